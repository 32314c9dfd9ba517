#include "handover/handover_texts.h"

namespace handover {

namespace {

std::string IdeographicSpaces(int count) {
  std::string run;
  for (int i = 0; i < count; ++i) run += "　";
  return run;
}

}  // namespace

std::string ConsentText() {
  return IdeographicSpaces(47) + "\n" + "【 VUZUVAZ １４ グループＦＡＸ 】 にデータを渡すため、" +
         IdeographicSpaces(12) + "\n" + "【 VUZUVAZ ２００ｘ シリーズ 】 の送信データをサーバーにコピーします。";
}

std::string FinishText() {
  return IdeographicSpaces(45) + "\n" + "クライアント側の操作は終了です。" + IdeographicSpaces(19) + "\n" +
         "VUZUVAZ サーバー の管理者にご連絡ください。" + "\n" +
         "管理者から連絡があるまで、どちらのVELORIXも起動しないでください。";
}

}  // namespace handover
