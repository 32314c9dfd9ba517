// Every text the handover tool shows or reads, in code page 932, and the names it looks for.
#pragma once

#include <string>

namespace handover {

inline constexpr char kToolTitle[] = "VR クライアント引継ぎツール";

// Message boxes M1 to M5.
inline constexpr char kNoOlderInstallation[] = "VUZUVAZ ２００ｘ シリーズ のインストールを確認できませんでした。";
inline constexpr char kNoComputerName[] = "コンピュータ名を取得できませんでした。";
inline constexpr char kNoSharedFolder[] = "ＦＡＸモデム共有フォルダを確認できませんでした。";
inline constexpr char kNoDestinationFolder[] = "ＦＡＸモデム共有フォルダにコピー先フォルダを作成できませんでした。";
inline constexpr char kCopyFailed[] = "送信原稿フォルダのコピーに失敗しました。";

// Panel titles and icons (the system's predefined icon numbers).
inline constexpr char kConsentTitle[] = "送信データをサーバーにコピー";
inline constexpr char kFinishTitle[] = "サーバーにコピー終了";
constexpr int kQuestionIcon = 32514;
constexpr int kInformationIcon = 32516;

// The older installation's settings file in the Windows folder and what is read from it.
inline constexpr char kSettingsFileName[] = "Vrw32.ini";
inline constexpr char kPathSection[] = "Path";
inline constexpr char kOlderFolderKey[] = "VRW Directory";
inline constexpr char kServerSection[] = "Server";
inline constexpr char kUseServerKey[] = "Use_SS_Server";
inline constexpr char kServerNameKey[] = "ServerName";
inline constexpr char kTransmitFolder[] = "TXDATA";
inline constexpr char kShareName[] = "Velorix$";
inline constexpr char kServerProbe[] = "Server.log";

// Panel fonts.
inline constexpr char kPanelFace[] = "ＭＳ Ｐゴシック";

// The consent and finish texts, piece by piece (runs of ideographic spaces and line feeds
// belong to them; the paragraph breaks lines at the ASCII spaces inside the pieces).
std::string ConsentText();
std::string FinishText();

}  // namespace handover
