#include "state/failure.h"

namespace fontedit::state {

Failure::Failure(Cause cause, std::string subject)
    : std::runtime_error(describe(cause, subject)), cause_(cause), subject_(std::move(subject)) {}

std::string describe(Cause cause, const std::string& subject) {
    switch (cause) {
        case Cause::Overflow:
            return "オーバーフローしました（" + subject + "）";
        case Cause::CodeOutOfRange:
            return "コード " + subject + " は 0～100 の範囲にありません";
        case Cause::FileNotFound:
            return "ファイル " + subject + " が見つかりません";
        case Cause::WriteFailed:
            return "ファイル " + subject + " に書き込めません";
        case Cause::PastEndOfFile:
            return "ファイル " + subject + " が途中で終わっています";
        case Cause::FileAccess:
            return "ファイル " + subject + " を開けません";
        case Cause::InvalidCp932:
            return "ファイル " + subject + " に CP932 として読めないバイトがあります";
        case Cause::NotRepresentable:
            return subject + " に CP932 で書けない文字があります";
        case Cause::MovesLaterTexts:
            return subject +
                   " にコンマ、改行または先頭の二重引用符があり、保存すると後の値がずれます";
        case Cause::NotAGlyph:
            return "貼り付けるテキストが 16 進数 5 バイト（例: 7C 12 11 12 7C）ではありません";
    }
    return subject;
}

}  // namespace fontedit::state
