#pragma once
// Every text the program shows in a message box, kept in one place so that the windows and the
// tests use the same words. A two-line message joins its lines with a carriage return.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/observation_report.h"

namespace lumitrak {

// The short name that titles the message boxes and the save prompt.
inline constexpr std::string_view kApplicationTitle = "Lumitrak";

// Measure command.
inline constexpr std::string_view kMissingVariableValueMessage = "変光星の測光値を入力して下さい";
inline constexpr std::string_view kAveragingAreaFullMessage =
    "「平均の算出」エリアが一杯です\r"
    "どこかをクリアして、測光ボタンを押して下さい";
inline constexpr std::string_view kFitUndefinedMessage =
    "比較星のデータから近似直線を求められません\r"
    "測光値とｶﾀﾛｸﾞ値がそれぞれ異なる比較星を2個以上入力して下さい";
inline constexpr std::string_view kMagnitudeUndefinedMessage =
    "変光星の測光値から等級を計算できません";

// Import: the abort messages carry their own title.
inline constexpr std::string_view kImportAbortTitle = "data error";
inline constexpr std::string_view kNegativeCountMessage =
    "マイナスデータがあります\r"
    "処理を中断します";
// "The n-th star's data is not valid", then "processing is aborted".
inline std::string invalidCountMessage(int starNumber) {
    return std::to_string(starNumber) + "番目の星のデータが正しくありません\r処理を中断します";
}

// Dropped files: the first line says what is wrong, the second names the file.
inline constexpr std::string_view kDropWithoutFileMessage = "ファイルがドロップされていません";
inline constexpr std::string_view kFileUnreadableMessage = "ファイルを読み込めません";
inline constexpr std::string_view kFolderDroppedMessage = "フォルダは読み込めません";
// The most the import area takes: the bytes of a dropped file, the characters of its text.
// Real outputs are a few kilobytes; the text widget lays a longer line out too slowly, and its
// blinking cursor would keep a core busy.
inline constexpr std::ptrdiff_t kImportTextLimit = 256 * 1024;
// The refusal of a file or paste beyond the limit, which it names: "... (256 KiB まで)".
inline std::string withImportTextLimit(std::string_view refusal) {
    return std::string(refusal) + " (" + std::to_string(kImportTextLimit / 1024) + " KiB まで)";
}
inline const std::string kFileTooLargeMessage = withImportTextLimit("ファイルが大きすぎます");
// Pasted text that would make the import text too large; the area keeps what it held.
inline const std::string kPasteTooLargeMessage =
    withImportTextLimit("貼り付けるテキストが大きすぎます");
inline constexpr std::string_view kNotTextFileMessage = "テキストファイルではありません";

// Graph window read-out label when nothing or not everything can be drawn.
inline constexpr std::string_view kGraphNeedsTwoStarsMessage = "比較星が2個以上必要です";
inline constexpr std::string_view kGraphFitUndefinedMessage =
    "測光値とｶﾀﾛｸﾞ値がそれぞれ異なる比較星が必要です";

// The data files: the name of the file, then the reason on a second line.
inline std::string fileNotReadMessage(std::string_view fileName) {
    return std::string(fileName) + " を読み込めませんでした";
}
inline std::string fileNotSavedMessage(std::string_view fileName) {
    return std::string(fileName) + " を保存できませんでした";
}
inline constexpr std::string_view kNotRegularFileReason = "通常のファイルではありません";
inline constexpr std::string_view kReadOnlyFileReason = "読み取り専用のファイルです";

// Neither HOME nor the user's account names a home folder.
inline constexpr std::string_view kNoHomeFolderReason = "ホームフォルダが分かりません";

// Why a file could not be read or written, for the causes an observer can act on; for any other
// cause the system's own words are shown.
enum class FileProblem {
    NoSpace,
    QuotaExceeded,
    AccessDenied,
    ReadOnlyFileSystem,
    ReadOnlyFile,
    NotFound,
    NotAFolder,
    NotRegular,
    InUse,
    TooLarge,
    IoError,
};
inline std::string_view fileProblemReason(FileProblem problem) {
    switch (problem) {
        case FileProblem::NoSpace: return "ディスクに空き容量がありません";
        case FileProblem::QuotaExceeded: return "ディスクの使用量が上限に達しています";
        case FileProblem::AccessDenied: return "アクセスが許可されていません";
        case FileProblem::ReadOnlyFileSystem: return "書き込みのできないディスクです";
        case FileProblem::ReadOnlyFile: return kReadOnlyFileReason;
        case FileProblem::NotFound: return "ファイルまたはフォルダが見つかりません";
        case FileProblem::NotAFolder: return "フォルダのあるべき所にファイルがあります";
        case FileProblem::NotRegular: return kNotRegularFileReason;
        case FileProblem::InUse: return "ほかのプログラムが使用中です";
        case FileProblem::TooLarge: return "ファイルの大きさの上限を超えます";
        case FileProblem::IoError: return "ディスクの読み書きに失敗しました (入出力エラー)";
    }
    return {};
}

// Closing.
inline constexpr std::string_view kSaveComparisonDataPrompt = "比較星データを保存しますか";

// What becomes of this window's table when the observer declines a question or a save fails:
// kept in the recovery copy, or, where no copy can be kept, not kept at all.
inline constexpr std::string_view kTableKeptNote =
    "このウィンドウの表は控えに残り、次の起動時に復元できます";
inline constexpr std::string_view kTableLostNote = "このウィンドウの表は保存されません";

// A save failed; Retry or Cancel.
inline std::string fileNotSavedQuestion(std::string_view fileName, std::string_view reason,
                                        std::string_view tableNote) {
    return fileNotSavedMessage(fileName) + "\r" + std::string(reason) +
           "\r(キャンセル: " + std::string(tableNote) + ")";
}
// Another window (or program) saved a different table after this one read the file.
inline std::string fileChangedElsewhereQuestion(std::string_view fileName,
                                                std::string_view tableNote) {
    return std::string(fileName) +
           " は、このウィンドウが読み込んだ後に別のウィンドウで変更されました\r"
           "このウィンドウの表で上書きしますか (いいえ: 別のウィンドウの表を残します。" +
           std::string(tableNote) + ")";
}
// The file this window read is no longer there.
inline std::string fileGoneQuestion(std::string_view fileName, std::string_view tableNote) {
    return std::string(fileName) +
           " は、このウィンドウが読み込んだ後に削除されました\r"
           "このウィンドウの表で作り直しますか (いいえ: " +
           std::string(tableNote) + ")";
}
// The file cannot be read now, so whether another window changed it is unknown.
inline std::string fileUnreadableQuestion(std::string_view fileName, std::string_view reason,
                                          std::string_view tableNote) {
    return std::string(fileName) +
           " を読み込めないため、別のウィンドウで変更されたか分かりません\r" + std::string(reason) +
           "\rこのウィンドウの表で上書きしますか (いいえ: ファイルはそのままにします。" +
           std::string(tableNote) + ")";
}

// Opening after the program ended without closing: the table typed then can come back.
inline std::string restoreTypedTableQuestion(int filledRows, std::string_view program) {
    return "Lumitrak が前回閉じずに終了したときに入力していた比較星データがあります (" +
           std::to_string(filledRows) + " 行、" + std::string(program) +
           ")\r復元しますか (いいえ: この控えを削除します。キャンセル: 次の起動まで残します)";
}

// The recovery copy cannot be written: said once, with the reason and the folder.
inline std::string recoveryCopyOffMessage(std::string_view reason, std::string_view folder) {
    std::string text = "入力中の比較星データの控えを書き込めません\r" + std::string(reason);
    if (!folder.empty()) text += "\r" + std::string(folder);
    return text + "\rLumitrak が閉じずに終了すると、入力した表は失われます";
}

// The report window.
// A report file holds one observer's observations, all with one kind of date.
inline std::string reportFileOfOtherKindMessage(std::string_view fileName,
                                                std::string_view observer, std::string_view dates) {
    return std::string(fileName) + " は観測者コード " + std::string(observer) + "、日時 " +
           std::string(dates) +
           " の報告ファイルです\r観測者コードと日時の種類 (JD か HJD) が同じときだけ追加できます";
}
// Why no report could be made, in the words of the window's fields.
inline std::string reportProblemMessage(ReportProblem problem, std::string_view field) {
    const std::string f(field);
    switch (problem) {
        case ReportProblem::None: return {};
        case ReportProblem::NoResult:
            return "報告する結果がまだありません\r測光 (平均値は平均計算) "
                   "をしてから報告を作って下さい";
        case ReportProblem::NoStarName:
        case ReportProblem::NoObserverCode:
        case ReportProblem::CheckStarIncomplete: return f + "を入力して下さい";
        case ReportProblem::InvalidDate: return "日付が正しくありません (例: 2024-12-15)";
        case ReportProblem::InvalidTime: return "時刻が正しくありません (例: 21:30:00)";
        case ReportProblem::FutureTime: return "観測日時が未来になっています";
        case ReportProblem::InvalidCoordinates:
            return f + "が正しくありません (例: 赤経 21 42 42.8、赤緯 +43 35 10)";
        case ReportProblem::CheckStarWithoutFit:
            return "チェック星の等級を求める近似直線がありません\r比較星のデータを確かめて下さい";
        case ReportProblem::FieldTooLong: return f + "が長すぎます";
        case ReportProblem::SeparatorInField: return f + "に「,」や「|」は使えません";
    }
    return {};
}
inline constexpr std::string_view kSameObservationQuestion =
    "同じ星・日時・バンドの観測がすでに報告ファイルにあります\r追加しますか";

}  // namespace lumitrak
