// Start of a job's output at its first header: the output name, the print-out control window,
// the file created through the writer and the start-of-fax signal.
#include <windows.h>

#include <string>

#include "printhook/hook_constants.h"
#include "printhook/hook_state.h"
#include "printhook/output_name.h"
#include "printhook/writer_api.h"

namespace printhook {
namespace {

std::u16string Text(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

template <int N>
void SetText(wchar_t (&field)[N], const std::u16string& text) {
  CopyText(field, N, Wide(text.c_str()));
}

bool IsTaken(const std::u16string& candidate) {
  std::u16string pattern = candidate + u".*";
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Wide(pattern.c_str()), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

// Reads one text of the control window, byte by byte, as the ANSI code page gives it.
std::u16string ReadOcxText(WPARAM which, int maxChars) {
  std::string bytes = ReadWindowText(
      [which](std::uint32_t index) {
        return static_cast<std::uint8_t>(
            SendMessageW(g_hook.OcxWindow, g_hook.OcxMessage, which, static_cast<LPARAM>(index)) & 0xFF);
      },
      kOcxTextBufferBytes);
  if (bytes.empty()) return {};
  wchar_t wide[kOcxTextBufferBytes];
  int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide,
                                   kOcxTextBufferBytes);
  if (length < 0) length = 0;
  if (length > maxChars - 1) length = maxChars - 1;
  return std::u16string(reinterpret_cast<const char16_t*>(wide), length);
}

// A waiting control window takes the job with a path of its own: true when it did.
bool OfferToControlWindow() {
  g_hook.OcxMessage = RegisterWindowMessageW(Wide(kOcxMessageName));
  g_hook.OcxWindow = FindWindowW(Wide(kOcxWindowClass), nullptr);
  if (g_hook.OcxWindow && SendMessageW(g_hook.OcxWindow, g_hook.OcxMessage, kOcxAskWaiting, 0)) {
    SendMessageW(g_hook.OcxWindow, g_hook.OcxMessage, kOcxAcknowledge, 0);
    std::u16string wanted = ReadOcxText(kOcxReadDocumentName, kOcxNameChars);
    wchar_t document[kPathChars];
    CopyText(document, Wide(g_hook.Header.DocumentName));
    if (wanted.empty() || lstrcmpiW(Wide(wanted.c_str()), document) == 0) {
      std::u16string path = ReadOcxText(kOcxReadOutputPath, kPathChars);
      if (!path.empty()) {
        SetText(g_hook.OutputFile, path);
        SendMessageW(g_hook.OcxWindow, g_hook.OcxMessage, kOcxOutputState, 1);
        return true;
      }
    }
  }
  g_hook.OcxWindow = nullptr;
  return false;
}

void AppendExtension() {
  wchar_t extension[16] = {};
  if (g_hook.ToFileMode) {
    if (g_hook.Header.DevMode.dmColor == kColorColor)
      CopyText(extension, Wide(kColorDocumentExt));
    else
      LoadHookString(IDS_EXT_DOCUMENT, extension, 16);
  } else {
    LoadHookString(IsLocalFaxDevice() ? IDS_EXT_DOCUMENT : IDS_EXT_TEMPORARY, extension, 16);
  }
  SetText(g_hook.OutputFile, Text(g_hook.OutputFile) + Text(extension));
  if (g_hook.ToFileMode) {
    CopyText(Wide(g_hook.Header.OutputPath), kPathChars, g_hook.OutputFile);
    g_hook.KeptOutputFile[0] = 0;
    CopyText(g_hook.KeptOutputFile, g_hook.OutputFile);
  }
}

}  // namespace

bool FolderExists(const wchar_t* folder) {
  if (!folder || !folder[0]) return false;
  std::u16string probe = Text(folder);
  if (probe.back() != u'\\') probe += u'\\';
  probe += u"nul";
  char ansi[kPathChars * 2];
  int length = WideCharToMultiByte(CP_ACP, 0, Wide(probe.c_str()), -1, ansi, sizeof ansi, nullptr, nullptr);
  if (length <= 0) return false;
  HFILE file = _lopen(ansi, OF_WRITE);
  if (file == HFILE_ERROR) return false;
  _lclose(file);
  // The device name opens in any folder on some systems; ask for the folder itself as well.
  DWORD attributes = GetFileAttributesW(folder);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeUniqueName(const wchar_t* folder, wchar_t (&name)[kPathChars]) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  LocalTime time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                    now.wMilliseconds};
  NameRules rules = {Text(g_hook.RemoveChars), Text(g_hook.SuffixChars)};
  std::u16string text = Text(name);
  bool made = MakeUniqueNameCore(Text(folder), FolderExists(folder), text, time, rules, IsTaken);
  SetText(name, text);
  return made;
}

bool StartOutput() {
  SpoolHeader& header = g_hook.Header;
  bool explicitName = IsExplicitOutputName(header.OutputPath, 520, header.PortName, 32);
  bool nameMade = true;
  if (explicitName) {
    // Used as given, folder and separators included.
    CopyText(g_hook.OutputFile, Wide(header.OutputPath));
  } else {
    std::u16string name(header.DocumentName, header.DocumentName + 520);
    name.resize(name.find(u'\0') == std::u16string::npos ? 519 : name.find(u'\0'));
    if (name.empty()) name = kDefaultDocumentName;
    SetText(g_hook.OutputFile, ReplaceNameChars(name));
    nameMade = MakeUniqueName(g_hook.TxFolder, g_hook.OutputFile);
  }

  if (OfferToControlWindow()) {
    if (g_hook.DibOutput) return true;
    return tiffCreateFile(&header, g_hook.OutputFile) != 0;
  }
  // Without a transmit-data folder or a free suffix there is no place for the file: refuse
  // the job rather than make a bare name in the spooler's current folder.
  if (!nameMade) return false;

  if (!explicitName) AppendExtension();
  if (!g_hook.DibOutput && !tiffCreateFile(&header, g_hook.OutputFile)) return false;
  if (g_hook.ToFileMode || IsLocalFaxDevice()) return true;
  if (g_hook.IdleEvent) ResetEvent(g_hook.IdleEvent);
  if (g_hook.StartEvent) SetEvent(g_hook.StartEvent);
  return true;
}

}  // namespace printhook
