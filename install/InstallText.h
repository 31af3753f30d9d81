// Every text that the installer shows.
#pragma once

namespace InstallText {
const char InstallErrorCaption[] = "インストールエラー";
const char CopyFailed[] = "ファイルのコピーに失敗しました。";
const char RegistryFailed[] = "レジストリの設定に失敗しました。";

const char DiscChangeCaption[] = "ディスクの交換";
const char DiscChangePrompt[] = "ＣＤ－ＲＯＭの中のディスクをディスク %d に交換してください";
} // namespace InstallText
