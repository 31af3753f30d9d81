// Every text that the installer shows.
#pragma once

namespace InstallText {
const char InstallErrorCaption[] = "インストールエラー";
const char CopyFailed[] = "ファイルのコピーに失敗しました。";
const char RegistryFailed[] = "レジストリの設定に失敗しました。";

const char DiscChangeCaption[] = "ディスクの交換";
const char DiscChangePrompt[] = "ＣＤ－ＲＯＭの中のディスクをディスク %d に交換してください";

const char ProductFolder[] = "Velnora";
const char ChangeFolderTitle[] = "インストール先の指定";
const char DiscDriveTitle[] = "【ゲームディスクを挿入したドライブを指定してください】";

const char NoCurrentDirectory[] = "カレントディレクトリーの取得に失敗";
const char NoCdromDrive[] = "ＣＤ－ＲＯＭドライブを見つけることができませんでした。";
const char DiscRequestCaption[] = "ディスクの要求";
const char InsertDisc1[] = "ＣＤ－ＲＯＭドライブにディスク１を入れてください。";
const char Disc1Missing[] = "ＣＤ－ＲＯＭドライブにディスク１が入っていません。";
const char Disc1Back[] = "ＣＤ－ＲＯＭの中のディスクをディスク１に交換してください。";

const char DestinationErrorCaption[] = "インストール先のエラー";
const char SourceErrorCaption[] = "インストール元のエラー";
const char WrongDrive[] = "ドライブ名指定が正しくありません。再入力してください。";
const char DiskCheckFailed[] = "ディスクのチェックに失敗しました。";
const char NotEnoughSpace[] = "%s ドライブに十分な空き容量がありません。";
const char PathTooLong[] = "インストール先のパスが長すぎます。もっと短いフォルダを指定してください。";

const char ErrorCaption[] = "エラー";
const char CurrentDirectoryFailed[] = "カレントディレクトリの取得に失敗しました。";
const char CurrentDirectoryMoveFailed[] = "カレントディレクトリの移動に失敗しました。";
const char CreateFolderCaption[] = "ディレクトリ作成";
const char CreateFolderQuestion[] = "指定されたディレクトリは存在しません。ディレクトリを作成しますか？";
const char CreateFolderErrorCaption[] = "ディレクトリ作成のエラー";
const char CreateFolderFailed[] = "ディレクトリの作成に失敗しました。";

const char CopyDialogErrorCaption[] = "コピーダイアログエラー";
const char CopyDialogError[] = "%s ( Error Code=%d )";
const char UnknownError[] = "不明なエラーです。";

const char InstalledCaption[] = "インストールの終了";
const char Installed[] = "正常にインストールしました。";
} // namespace InstallText
