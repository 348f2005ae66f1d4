#include "window/failure_message.h"

#include <cstring>
#include <filesystem>

namespace fontedit::window {
namespace {

using state::Cause;

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// "フォルダ /home/a/font のファイル fntdat.txt", or the bare name in the working directory.
QString fileOf(const state::Facts& facts) {
    const std::filesystem::path path(facts.file);
    const QString name = text(state::escapedBytes(path.filename().string()));
    if (!path.has_parent_path()) return QStringLiteral("ファイル %1").arg(name);
    return QStringLiteral("フォルダ %1 のファイル %2")
        .arg(text(state::escapedBytes(path.parent_path().string())), name);
}

// "コード 12 の第 3 列" or "コード 12 のラベル".
QString placeOf(const state::Facts& facts) {
    const QString code = QStringLiteral("コード %1").arg(facts.code.value_or(0));
    if (!facts.column) return code + QStringLiteral(" のラベル");
    return code + QStringLiteral(" の第 %1 列").arg(*facts.column);
}

// The system's own reason, where there is one.
QString reasonOf(const state::Facts& facts) {
    if (facts.error == 0) return {};
    return QStringLiteral("（%1）").arg(QString::fromLocal8Bit(std::strerror(facts.error)));
}

QString sentence(const state::Failure& failure) {
    const state::Facts& facts = failure.facts();
    switch (failure.cause()) {
        case Cause::Overflow:
            return QStringLiteral("オーバーフローしました（%1）")
                .arg(text(state::escapedBytes(facts.value)));
        case Cause::CodeOutOfRange:
            return QStringLiteral("コード %1 は 0～100 の範囲にありません")
                .arg(facts.code.value_or(0));
        case Cause::FileNotFound:
            return fileOf(facts) + QStringLiteral(" が見つかりません");
        case Cause::WriteFailed:
            return fileOf(facts) + QStringLiteral(" に書き込めません") + reasonOf(facts);
        case Cause::PastEndOfFile:
            return fileOf(facts) + QStringLiteral(" が途中で終わっています");
        case Cause::PermissionDenied:
            return fileOf(facts) + QStringLiteral(" は書き込みが許可されていません");
        case Cause::FileAccess:
            return fileOf(facts) + QStringLiteral(" を開けません") + reasonOf(facts);
        case Cause::InvalidCp932:
            return fileOf(facts) +
                   QStringLiteral(" の %1 行目に CP932 として読めないバイトがあります")
                       .arg(facts.line);
        case Cause::NotRepresentable:
            return placeOf(facts) + QStringLiteral(" に CP932 で書けない文字があります");
        case Cause::MovesLaterTexts:
            return placeOf(facts) +
                   QStringLiteral(
                       " にコンマ、改行または先頭の二重引用符があり、保存すると後の値がずれます");
        case Cause::FileTooLarge:
            return fileOf(facts) + QStringLiteral(" が大きすぎます");
        case Cause::CellNotAByte:
            return placeOf(facts) + QStringLiteral(" の「%1」は 1～2 桁の 16 進数ではありません")
                                        .arg(text(state::escapedBytes(facts.value)));
        case Cause::NoGlyphForCharacter:
            return QStringLiteral("文字「%1」のグリフがありません")
                .arg(text(state::escapedBytes(facts.value)));
    }
    return QStringLiteral("処理に失敗しました");
}

}  // namespace

QString failureMessage(const state::Failure& failure) {
    return QStringLiteral("エラー %1: %2").arg(failure.number()).arg(sentence(failure));
}

}  // namespace fontedit::window
