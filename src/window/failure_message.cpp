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

// "フォルダ … のファイル font.c の 12 行目の "0x100"": where an import met the text at fault.
QString lineOf(const state::Facts& facts) {
    return fileOf(facts) + QStringLiteral(" の %1 行目").arg(facts.line);
}

QString valueOf(const state::Facts& facts) {
    return QStringLiteral("「%1」").arg(text(state::shortenedValue(facts.value)));
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
                .arg(text(state::shortenedValue(facts.value)));
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
        case Cause::NotARegularFile:
            return fileOf(facts) + QStringLiteral(" は通常のファイルではありません");
        case Cause::UnsafeLink:
            return fileOf(facts) +
                   QStringLiteral(
                       " は他人が書き込めるフォルダにある他人のシンボリックリンクです。"
                       "たどりませんでした");
        case Cause::LinkTargetMissing:
            return fileOf(facts) +
                   QStringLiteral(
                       " はリンク先のないシンボリックリンクです。リンク先は作りませんでした");
        case Cause::PartlyWritten:
            return fileOf(facts) +
                   QStringLiteral(" は書きかけです。元の内容は %1 にあります")
                       .arg(text(state::escapedBytes(facts.value))) +
                   reasonOf(facts);
        case Cause::NoArray:
            return fileOf(facts) + QStringLiteral(" に配列がありません");
        case Cause::ArrayNotFound:
            return fileOf(facts) + QStringLiteral(" に配列 %1 がありません").arg(valueOf(facts));
        case Cause::ArrayWidth:
            return lineOf(facts) + QStringLiteral("の配列は幅 %1 で、5 列のフォントではありません")
                                       .arg(text(facts.value));
        case Cause::NoFontArray:
            return fileOf(facts) + QStringLiteral(" に 5 列のフォントに合う配列がありません");
        case Cause::NotAConstant:
            return lineOf(facts) +
                   QStringLiteral("の %1 は整数の定数ではありません").arg(valueOf(facts));
        case Cause::NotAByte:
            return lineOf(facts) +
                   QStringLiteral("の %1 は 0xFF を超えています").arg(valueOf(facts));
        case Cause::ConditionalInList:
            return lineOf(facts) +
                   QStringLiteral("の %1 はリストの中の条件です。cpp -P で前処理してください")
                       .arg(valueOf(facts));
        case Cause::ListNotClosed:
            return lineOf(facts) + QStringLiteral("で始まるリストが閉じていません");
        case Cause::CommentNotClosed:
            return lineOf(facts) + QStringLiteral("で始まるコメントが閉じていません");
        case Cause::PartialGlyph:
            return lineOf(facts) +
                   QStringLiteral("の配列は %1 個の値でグリフの途中で終わっています")
                       .arg(text(facts.value));
        case Cause::OffsetPastEnd:
            return lineOf(facts) +
                   QStringLiteral("の配列は %1 個の値しかなく、オフセットがその先にあります")
                       .arg(text(facts.value));
        case Cause::RowTooLong:
            return lineOf(facts) +
                   QStringLiteral("の行は配列の幅より長く、%1 が余ります").arg(valueOf(facts));
        case Cause::IfNotClosed:
            return lineOf(facts) + QStringLiteral("の #if 0 に #endif がありません");
        case Cause::NestingTooDeep:
            return lineOf(facts) +
                   QStringLiteral("の %1 で括弧の入れ子が深すぎます").arg(valueOf(facts));
        case Cause::NotBdf:
            return fileOf(facts) + QStringLiteral(" は BDF フォントではありません");
        case Cause::BdfSyntax:
            return lineOf(facts) +
                   QStringLiteral("の %1 の数値が正しくありません").arg(valueOf(facts));
        case Cause::GlyphTooLarge:
            return lineOf(facts) +
                   QStringLiteral("のグリフ %1 は 5×8 のセルに収まりません").arg(valueOf(facts));
        case Cause::BitmapRow:
            return lineOf(facts) +
                   QStringLiteral("の %1 はグリフの幅のビットマップ行ではありません")
                       .arg(valueOf(facts));
        case Cause::BdfNotClosed:
            return lineOf(facts) +
                   QStringLiteral("のグリフ %1 に ENDCHAR がありません").arg(valueOf(facts));
        case Cause::DuplicateEncoding:
            return lineOf(facts) +
                   QStringLiteral("のグリフ %1 はコード %2 のグリフと同じ ENCODING です")
                       .arg(valueOf(facts))
                       .arg(facts.code.value_or(0));
        case Cause::NoGlyphInRange:
            return fileOf(facts) +
                   QStringLiteral(" に ENCODING %1 からの 96 文字のグリフがありません")
                       .arg(text(facts.value));
        case Cause::CellNotAByte:
            return placeOf(facts) +
                   QStringLiteral(" の %1 は 1～2 桁の 16 進数ではありません").arg(valueOf(facts));
        case Cause::NoGlyphForCharacter:
            return QStringLiteral("文字 %1 のグリフがありません").arg(valueOf(facts));
        // The pasted text itself is left out: a clipboard can hold a whole page.
        case Cause::NotAGlyph:
            return QStringLiteral(
                "貼り付けるテキストが 16 進数 5 バイト（例: 7C 12 11 12 7C）ではありません");
    }
    return QStringLiteral("処理に失敗しました");
}

}  // namespace

QString failureMessage(const state::Failure& failure) {
    return QStringLiteral("エラー %1: %2").arg(failure.number()).arg(sentence(failure));
}

}  // namespace fontedit::window
