// Every text that the installer shows, each message box as one record.
#pragma once
#include "app/Message.h"

namespace InstallText {
const char ProductFolder[] = "Velnora";
const char ChangeFolderTitle[] = "インストール先の指定";
const char DiscDriveTitle[] = "【ゲームディスクを挿入したドライブを指定してください】";
const char UnknownError[] = "不明なエラーです。";

const char InstallErrorCaption[] = "インストールエラー";
const char DiscRequestCaption[] = "ディスクの要求";
const char DiscChangeCaption[] = "ディスクの交換";
const char DestinationErrorCaption[] = "インストール先のエラー";
const char ErrorCaption[] = "エラー";
const char WrongDrive[] = "ドライブ名指定が正しくありません。再入力してください。";

// The install dialog's checks, in the order in which they come.
constexpr Message NoCurrentDirectory = {"カレントディレクトリーの取得に失敗", InstallErrorCaption,
                                        MB_ICONINFORMATION};
constexpr Message NoCdromDrive = {"ＣＤ－ＲＯＭドライブを見つけることができませんでした。",
                                  InstallErrorCaption, MB_ICONERROR};
constexpr Message InsertDisc1 = {"ＣＤ－ＲＯＭドライブにディスク１を入れてください。",
                                 DiscRequestCaption, MB_ICONINFORMATION};
constexpr Message WrongSourceDrive = {WrongDrive, "インストール元のエラー", MB_ICONWARNING};
constexpr Message Disc1Missing = {"ＣＤ－ＲＯＭドライブにディスク１が入っていません。",
                                  DiscRequestCaption, MB_ICONWARNING};
constexpr Message WrongDestinationDrive = {WrongDrive, DestinationErrorCaption, MB_ICONWARNING};
constexpr Message DiskCheckFailed = {"ディスクのチェックに失敗しました。", DestinationErrorCaption,
                                     MB_ICONWARNING};
constexpr Message NotEnoughSpace = {"%s ドライブに十分な空き容量がありません。",
                                    DestinationErrorCaption, MB_ICONWARNING};
constexpr Message PathTooLong = {
    "インストール先のパスが長すぎます。もっと短いフォルダを指定してください。",
    DestinationErrorCaption, MB_ICONWARNING};
constexpr Message CurrentDirectoryFailed = {"カレントディレクトリの取得に失敗しました。",
                                            ErrorCaption, MB_ICONWARNING};
constexpr Message CurrentDirectoryMoveFailed = {"カレントディレクトリの移動に失敗しました。",
                                                ErrorCaption, MB_ICONWARNING};
constexpr Message CreateFolder = {
    "指定されたディレクトリは存在しません。ディレクトリを作成しますか？", "ディレクトリ作成",
    MB_ICONQUESTION};
constexpr Message CreateFolderFailed = {"ディレクトリの作成に失敗しました。",
                                        "ディレクトリ作成のエラー", MB_ICONWARNING};

// The copy, and what follows it. The copy dialog's error takes the system's text for
// the code, or UnknownError, then the code.
constexpr Message CopyDialogError = {"%s ( Error Code=%d )", "コピーダイアログエラー",
                                     MB_ICONERROR};
constexpr Message DiscChange = {"ＣＤ－ＲＯＭの中のディスクをディスク %d に交換してください",
                                DiscChangeCaption, MB_ICONWARNING};
constexpr Message CopyFailed = {"ファイルのコピーに失敗しました。", InstallErrorCaption,
                                MB_ICONWARNING};
constexpr Message RegistryFailed = {"レジストリの設定に失敗しました。", InstallErrorCaption,
                                    MB_ICONWARNING};
constexpr Message Disc1Back = {"ＣＤ－ＲＯＭの中のディスクをディスク１に交換してください。",
                               DiscChangeCaption, MB_ICONWARNING};
constexpr Message Installed = {"正常にインストールしました。", "インストールの終了",
                               MB_ICONINFORMATION};
} // namespace InstallText
