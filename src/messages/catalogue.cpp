#include "messages/catalogue.h"

#include <iterator>

namespace fontedit::messages {

using state::Cause;

// One case a cause: the Japanese source text, then the English. A cause without its case
// does not compile (-Wswitch).
Wording wordingOf(Cause cause) {
    switch (cause) {
        case Cause::Overflow:
            return {"オーバーフローしました（{value}）", "number out of range: {value}"};
        case Cause::CodeOutOfRange:
            return {"コード {code} は 0～100 の範囲にありません", "code {code} is not in 0-100"};
        case Cause::FileNotFound:
            return {"{file} が見つかりません", "no such file"};
        case Cause::FileExists:
            return {"{file} が既にあります。置き換えるには --force を付けてください",
                    "{file} exists; use --force to replace the font files"};
        case Cause::WriteFailed:
            return {"{file} に書き込めません{reason}", "cannot write the file{reason}"};
        case Cause::PastEndOfFile:
            return {"{file} が途中で終わっています", "the file ends before all 96 glyphs are read"};
        case Cause::PermissionDenied:
            return {"{file} は書き込みが許可されていません",
                    "the file is read-only; it was not replaced{reason}"};
        case Cause::FileAccess:
            return {"{file} を開けません{reason}", "cannot access the file{reason}"};
        case Cause::InvalidCp932:
            return {"{file} の {line} 行目に CP932 として読めないバイトがあります",
                    "holds bytes that are not CP932: {quoted}"};
        case Cause::NotRepresentable:
            return {"{place} に CP932 で書けない文字があります",
                    "{place}: holds a character that CP932 cannot represent"};
        case Cause::MovesLaterTexts:
            return {
                "{place} にコンマ、改行または先頭の二重引用符があり、"
                "保存すると後の値がずれます",
                "{place}: holds a comma, a line end or an opening quotation mark"};
        case Cause::FileTooLarge:
            return {"{file} が大きすぎます", "the file is too large"};
        case Cause::NotARegularFile:
            return {"{file} は通常のファイルではありません", "not a regular file"};
        case Cause::UnsafeLink:
            return {
                "{file} は他人が書き込めるフォルダにある他人のシンボリック"
                "リンクです。たどりませんでした",
                "a symbolic link in a sticky folder others may write to, belonging to "
                "someone else; it was not followed"};
        case Cause::LinkTargetMissing:
            return {
                "{file} はリンク先のないシンボリックリンクです。リンク先は"
                "作りませんでした",
                "a symbolic link to nothing; its target was not created"};
        case Cause::PartlyWritten:
            return {
                "{file} は書きかけです。元の内容は同じフォルダの {value} "
                "にあります{reason}",
                "left half-written; its old content is in {value} beside it{reason}"};
        case Cause::RecoveryDamaged:
            return {"{file} は復元ファイルとして読めません",
                    "not a recovery file this program wrote"};
        case Cause::LinkInPlace:
            return {"{file} の場所にシンボリックリンクがあります。たどりませんでした",
                    "a symbolic link stands in the file's place; it was not followed"};
        case Cause::FolderNotPrivate:
            return {
                "フォルダ {path} は他人のものか、他人が書き込めます。"
                "復元ファイルは残しません",
                "the folder belongs to another user or others may write to it; no recovery "
                "file is kept"};
        case Cause::UnsafeFile:
            return {
                "{file} は他人が書き込めるフォルダにある他人のファイルです。"
                "書き込みませんでした",
                "a file or FIFO in a sticky folder others may write to, belonging to someone "
                "else; it was not written"};
        case Cause::NoReader:
            return {"{file} は読み手のいない FIFO です。書き込みませんでした",
                    "a FIFO that nothing reads; nothing was written"};
        case Cause::NoArray:
            return {"{file} に配列がありません", "no brace-enclosed list found"};
        case Cause::ArrayNotFound:
            return {"{file} に配列「{value}」がありません", "no array is called {quoted}"};
        case Cause::ArrayWidth:
            return {"{file} の {line} 行目の配列は幅 {value} で、5 列のフォントではありません",
                    "the array is {value} columns wide; a font of 5 columns is needed"};
        case Cause::NoFontArray:
            return {"{file} に 5 列のフォントに合う配列がありません",
                    "no array fits a font 5 columns wide; name one with --array"};
        case Cause::NotAConstant:
            return {"{file} の {line} 行目の「{value}」は整数の定数ではありません",
                    "{quoted} is not an integer constant"};
        case Cause::NotAByte:
            return {"{file} の {line} 行目の「{value}」は 0xFF を超えています",
                    "{quoted} is not a byte"};
        case Cause::ConditionalInList:
            return {
                "{file} の {line} 行目の「{value}」はリストの中の条件です。"
                "cpp -P で前処理してください",
                "{quoted} stands inside the list; preprocess the file first, as with "
                "'cpp -P'"};
        case Cause::ListNotClosed:
            return {"{file} の {line} 行目で始まるリストが閉じていません",
                    "the list opened here is never closed"};
        case Cause::CommentNotClosed:
            return {"{file} の {line} 行目で始まるコメントが閉じていません",
                    "the comment opened here is never closed"};
        case Cause::PartialGlyph:
            return {"{file} の {line} 行目の配列は {value} 個の値でグリフの途中で終わっています",
                    "the array ends inside a glyph, after {value} values"};
        case Cause::OffsetPastEnd:
            return {
                "{file} の {line} 行目の配列は {value} 個の値しかなく、"
                "オフセットがその先にあります",
                "the offset lies past the {value} values of the array"};
        case Cause::RowTooLong:
            return {"{file} の {line} 行目の行は配列の幅より長く、「{value}」が余ります",
                    "a row is longer than the array is wide: {quoted}"};
        case Cause::IfNotClosed:
            return {"{file} の {line} 行目の #if 0 に #endif がありません",
                    "the '#if 0' here has no '#endif'"};
        case Cause::NestingTooDeep:
            return {"{file} の {line} 行目の「{value}」で括弧の入れ子が深すぎます",
                    "{quoted} opens brackets nested too deep"};
        case Cause::GlyphsMissing:
            return {
                "{file} の {line} 行目のグリフ表はフォントの {value} "
                "グリフに足りません",
                "the font spans {value} glyphs; the glyph table holds fewer"};
        case Cause::BitmapShort:
            return {
                "{file} の {line} 行目のグリフ {value} はビットマップの"
                "外にはみ出しています",
                "glyph {value} reaches past the end of the bitmap"};
        case Cause::ShapeUnclear:
            return {
                "{file} の {line} 行目の表のグリフの並びが決められません。"
                "次のどれかを指定してください:{readings}",
                "cannot tell how the table holds its glyphs; choose one of these readings, "
                "with --first for the first code:{readings}"};
        case Cause::NoShapeFits:
            return {
                "{file} の {line} 行目の表はどう読んでも 5×8 のグリフに"
                "収まりません（--crop で切り取れます）",
                "no reading of the table as 5 x 8 glyphs keeps every dot; name its shape "
                "with --layout, --stride and --offset, or cut the dots off with --crop"};
        case Cause::VariableWidth:
            return {
                "{file} の {line} 行目の表はグリフごとに幅が違います。"
                "固定幅のフォントだけを読めます",
                "the table gives each glyph a width of its own; only fonts of fixed width "
                "are read"};
        case Cause::IndexTooLarge:
            return {
                "{file} の {line} 行目の添字「{value}」はフォントの範囲を"
                "はるかに超えています",
                "the index {quoted} lies far past any font"};
        case Cause::NotAnyFormat:
            return {
                "{file} は読める形式（{formats}、そのgzip圧縮）のフォントではありません"
                "（先頭「{value}」）",
                "not a font in any format this program reads ({formats}, gzip packed or not): "
                "it starts \"{value}\""};
        case Cause::ConditionUndecided:
            return {
                "{file} の {line} 行目の条件「{value}」はこのファイルだけでは決まりません。"
                "cpp -P で前処理してください",
                "the condition \"{value}\" is not decided by this file alone; preprocess the "
                "file first, as with 'cpp -P'"};
        case Cause::MacrosTooCostly:
            return {
                "{file} の条件のマクロは展開に手間がかかりすぎます。cpp -P で前処理してください",
                "the macros of its conditions take too much work to expand; preprocess the "
                "file first, as with 'cpp -P'"};
        case Cause::GlyphOutsideCell:
            return {
                "{file} のコード {code} のグリフは 5×8 のセルに収まりません"
                "（--crop で切り取れます）",
                "glyph {code} has dots outside the 5 x 8 cell; --crop cuts them off"};
        case Cause::NotBdf:
            return {"{file} は BDF フォントではありません",
                    "not a BDF font: the first line is {quoted}"};
        case Cause::BdfSyntax:
            return {"{file} の {line} 行目の「{value}」の数値が正しくありません",
                    "a number is missing or malformed in {quoted}"};
        case Cause::GlyphTooLarge:
            return {
                "{file} の {line} 行目のグリフ「{value}」は 5×8 のセルに収まりません。"
                "失うドットが最も少ないのは {crop} で、{dots} 個です{glyphs}",
                "glyph {quoted} has dots outside the 5 x 8 cell; {crop} loses the fewest "
                "dots: {dots}{glyphs}"};
        case Cause::BitmapRow:
            return {
                "{file} の {line} 行目の「{value}」はグリフの幅の"
                "ビットマップ行ではありません",
                "{quoted} is not a bitmap row as wide as the glyph"};
        case Cause::BdfNotClosed:
            return {"{file} の {line} 行目のグリフ「{value}」に ENDCHAR がありません",
                    "glyph {quoted} has no ENDCHAR"};
        case Cause::DuplicateEncoding:
            return {
                "{file} の {line} 行目のグリフ「{value}」はコード {code} の"
                "グリフと同じ ENCODING です",
                "glyph {quoted} takes glyph {code} a second time"};
        case Cause::NoGlyphInRange:
            return {"{file} に ENCODING {value} からの 96 文字のグリフがありません",
                    "no glyph has one of the 96 encodings from {value}; choose the first with "
                    "--first"};
        case Cause::EncodingsElsewhere:
            return {
                "{file} に ENCODING {code} からの 96 文字のグリフがありません"
                "（フォントの ENCODING は {value}）",
                "no glyph has one of the 96 encodings from {code}; the font's run from "
                "{value}; choose the first with --first"};
        case Cause::NotPcf:
            return {"{file} は PCF フォントではありません",
                    "not a PCF font: it does not start with \"\\x01fcp\""};
        case Cause::PcfTableOutside:
            return {
                "{file} の PCF の表「{value}」がファイルの終わりを"
                "越えています",
                "the PCF table {quoted} reaches past the end of the file; is it cut "
                "short?"};
        case Cause::PcfTableMalformed:
            return {"{file} の PCF の表「{value}」がないか、正しくありません",
                    "the PCF table {quoted} is missing or malformed"};
        case Cause::GzipDamaged:
            return {"{file} の gzip データが壊れているか、途中で終わっています",
                    "the gzip data is damaged or cut short"};
        case Cause::GzipInGzip:
            return {
                "{file} は gzip の中にさらに gzip "
                "が入っています。一度展開してから読み込んでください",
                "the gzip file holds another gzip file; unpack it once first, as with "
                "'gzip -d'"};
        case Cause::BdfNotEnded:
            return {"{file} は ENDFONT がなく、{line} 行目で途切れています",
                    "the font has no ENDFONT; it is cut short after this line"};
        case Cause::GzipTrailing:
            return {
                "{file} の gzip データの後、{value} バイト目から gzip でない"
                "バイトが続いています",
                "bytes that are not gzip data follow it from byte {value} on"};
        case Cause::BdfTooManyGlyphs:
            return {"{file} の {line} 行目のグリフは 65,536 個を超えます",
                    "the glyph from this line is one more than the 65,536 a font may hold"};
        case Cause::BdfGlyphTooLarge:
            return {"{file} の {line} 行目の「{value}」は 64 × 64 ドットより大きいグリフです",
                    "\"{value}\" makes a glyph larger than 64 x 64 dots"};
        case Cause::FontGlyphTooLarge:
            return {"{file} の文字 {code} のグリフ「{value}」は 64 × 64 ドットより大きいです",
                    "glyph \"{value}\" of character {code} is larger than 64 x 64 dots"};
        case Cause::FontTooManyGlyphs:
            return {"{file} は 65,536 字を超える文字を持っています",
                    "the font holds more than 65,536 characters"};
        case Cause::NotReadAtOwnSize:
            return {"{file} の形式は 5 × 8 のセルにしか読めません。import で取り込んでください",
                    "this format is read only into the 5 x 8 cell; take it in with import"};
        case Cause::BdfEncodingTwice:
            return {
                "{file} の {line} 行目のグリフ「{value}」は前のグリフと同じ ENCODING {code} "
                "です",
                "glyph \"{value}\" has ENCODING {code}, as an earlier glyph has"};
        case Cause::NotSfnt:
            return {"{file} は TrueType・OpenType フォントではありません",
                    "not a TrueType or OpenType font: it starts with none of 00 01 00 00, "
                    "\"true\", \"OTTO\" and \"ttcf\""};
        case Cause::FontNotOpened:
            return {"{file} を FreeType で読めません（{value}）",
                    "FreeType cannot read the font: {value}"};
        case Cause::FaceNotChosen:
            return {"{file} のフェースを、0 から {value} までの番号で --face に指定してください",
                    "--face N names a face of the file by its number, from 0 to {value}"};
        case Cause::StrikeNotFound:
            return {
                "{file} に --size の大きさのビットマップがありません"
                "（あるのは {value} ピクセル）",
                "no bitmap strike of the size --size names; the font's strikes are {value} "
                "pixels"};
        case Cause::OffPixelGrid:
            return {
                "{file} のアウトラインは 1 em {value} ピクセルでは"
                "ピクセルの格子に沿いません。--size で大きさを指定して"
                "ください",
                "at {value} pixels per em the outlines do not run along pixel edges, so "
                "the glyphs would be guessed; name the font's pixel size with --size"};
        case Cause::OffPixelGridAtSize:
            return {
                "{file} のアウトラインは 1 em {value} ピクセルでもピクセルの格子に沿わず、"
                "ドットのフォントとして読めません",
                "at {value} pixels per em the outlines still curve or leave the pixel edges: "
                "the face is not drawn in pixels at that size"};
        case Cause::NoCharacterInRange:
            return {"{file} に {value} からの 96 文字のグリフがありません",
                    "the face has no glyph for the 96 characters from {value}; choose the first "
                    "with --first"};
        case Cause::FontCutShort:
            return {"{file} は途中で切れています（表「{value}」がファイルの終わりを越えています）",
                    "the font is cut short: its table \"{value}\" runs past the end of the file"};
        case Cause::GlyphDamaged:
            return {"{file} のグリフ「{value}」は文字の表にありますが、壊れていて読めません",
                    "glyph \"{value}\" is in the font's character map but is damaged or cut "
                    "short"};
        case Cause::GlyphTooCostly:
            return {"{file} のグリフ「{value}」は大きすぎて読めません",
                    "glyph \"{value}\" is too large an image to read for any cell"};
        case Cause::GreyStrike:
            return {
                "{file} のビットマップのグリフ「{value}」は濃淡で描かれて"
                "いて、ドットではありません",
                "the strike draws glyph {quoted} in shades of grey, not in dots"};
        case Cause::CellNotAByte:
            return {"{place} の「{value}」は 1～2 桁の 16 進数ではありません",
                    "{place}: {quoted} is not a byte of one or two hexadecimal digits"};
        case Cause::NoGlyphForCharacter:
            return {"文字「{value}」のグリフがありません", "no glyph for the character {quoted}"};
        case Cause::PngNotEncoded:
            return {"PNG 画像を作れません（{value}）", "cannot encode the PNG image: {value}"};
        case Cause::ImageTooLarge:
            return {"{file} の画像は {value} ピクセルになり、大きすぎます",
                    "the image would be {value} pixels, too large to draw"};
        case Cause::CharacterPastFormat:
            return {
                "グリフ 95 は文字 {code} になりますが、この形式は {value} "
                "までの文字しか持てません",
                "glyph 95 would stand for character {code}, and the format holds characters "
                "up to {value}; choose a lower --first"};
        case Cause::NotAGlyphCode:
            return {"「{value}」は 0～95 のグリフコードではありません",
                    "'{value}' is not a glyph code 0-95"};
        case Cause::CodesRunBackwards:
            return {"「{value}」は終わりが始めより前です", "'{value}' runs backwards"};
        case Cause::CodeGivenTwice:
            return {"コード {code} が二度指定されています", "'{code}' is given twice"};
        case Cause::PngTooLarge:
            return {
                "画像が {value} ピクセルになり大きすぎます。--chars で文字を減らすか "
                "--scale を小さくしてください",
                "the sheet would be {value} pixels, too large; take fewer characters with "
                "--chars or a smaller --scale"};
        case Cause::TooManyForFormat:
            return {
                "フォントの異なる形のグリフ {code} 個はこの形式の上限 {value} 個を超えます。"
                "このフォントを持てる形式: {takers}",
                "the font's {code} glyphs of different shapes are more than the {value} this "
                "format holds; formats that take the font: {takers}"};
        case Cause::CellTooLarge:
            return {"全グリフが収まるセル {value} は 64 × 64 ドットを超えます",
                    "the cell that holds every glyph, {value}, is larger than 64 x 64 dots"};
        case Cause::NotACharacter:
            return {"「{value}」は文字でも 0x20-0x7E のような範囲でもありません",
                    "'{value}' is not a character, a range such as 0x20-0x7E or a UTF-8 text"};
        case Cause::LabelTwice:
            return {"{file} のコード {code} のラベル「{value}」は前のグリフと同じ文字です",
                    "the label \"{value}\" of glyph {code} names an earlier glyph's character"};
        case Cause::CellPastFormat:
            return {
                "フォントのセルは {value} ですが、この形式が持てるのは {needed} までです。"
                "このフォントを持てる形式: {takers}",
                "the font's cell is {value}, and the format holds cells up to {needed}; "
                "formats that take the font: {takers}"};
        case Cause::CharacterNotHeld:
            return {
                "フォントの文字 {value} は、この形式が持てる最後の文字 {needed} より"
                "後ろです。このフォントを持てる形式: {takers}",
                "the font's character {value} lies past {needed}, the last the format "
                "holds; formats that take the font: {takers}"};
        case Cause::TooManyGlyphs:
            return {
                "フォントのグリフは {code} 個ですが、この形式が持てるのは {value} 個"
                "までです。このフォントを持てる形式: {takers}",
                "the font has {code} glyphs, and the format holds {value}; formats that "
                "take the font: {takers}"};
        case Cause::GlyphRecordTooLong:
            return {
                "グリフ {value} は {code} バイトになり、この形式の 1 グリフの上限を"
                "超えます",
                "glyph {value} takes {code} bytes, more than one glyph of the format "
                "holds"};
        case Cause::BitmapPastOffsets:
            return {
                "グリフのビットは {code} バイトになり、この形式のオフセットが届く "
                "{value} バイトを超えます。このフォントを持てる形式: {takers}",
                "the glyphs' bits take {code} bytes, past the {value} bytes the format's "
                "offsets reach; formats that take the font: {takers}"};
        case Cause::CellNotGiven:
            return {
                "{file} はグリフのバイトの表かシートで、セルの大きさを持ちません。"
                "--cell 8x16 のように指定してください",
                "a table of glyph bytes or a sheet holds no cell size; name it, such as "
                "--cell 8x16"};
        case Cause::SheetNotOfCell:
            return {
                "{file} の画像は {value} ピクセルで、{needed} のセルのシートを整数倍にした"
                "大きさではありません",
                "the image is {value} pixels, not a sheet of {needed} cells at a whole scale"};
        case Cause::GlyphFieldPastFormat:
            return {
                "グリフ {value} の {needed} は {code} になり、この形式のフィールドに"
                "収まりません",
                "glyph {value} would have {needed} {code}, more than the format's field "
                "holds"};
        case Cause::LibraryFontDamaged:
            return {"{file} の {value} フォントは途中で切れているか矛盾しています",
                    "the {value} font is cut short or contradicts itself"};
        case Cause::PixelDepth:
            return {
                "{file} の LVGL フォントは 1 ピクセル {value} ビットです。"
                "読めるのは 1 ビットのフォントです",
                "the LVGL font has {value} bits a pixel; only fonts of 1 bit a pixel are "
                "taken"};
        case Cause::NotPng:
            return {"{file} は PNG 画像ではありません", "not a PNG image"};
        case Cause::PngTruncated:
            return {"{file} の PNG 画像が途中で終わっています", "the PNG image ends early"};
        case Cause::PngNotDecoded:
            return {"{file} の PNG 画像を読めません（{value}）",
                    "cannot decode the PNG image: {value}"};
        case Cause::SheetSize:
            return {
                "{file} の画像は {value} ピクセルです。シートは 114×62 "
                "ドットを 1～64 の整数倍にした大きさです",
                "the image is {value} pixels; a sheet is 114 x 62 dots at a whole scale "
                "from 1 to 64"};
        case Cause::ThirdColour:
            return {
                "{file} の画像に 3 色目（{value}）があります。シートは明るい"
                "地に暗いドットの 2 色で描きます",
                "the image holds a third colour, {value}; a sheet has two, dark dots on a "
                "light ground"};
        case Cause::NotPsf:
            return {"{file} は PSF コンソールフォントではありません",
                    "not a PSF console font: it opens with neither PSF1's mark nor PSF2's"};
        case Cause::PsfMalformed:
            return {
                "{file} の PSF フォントの {value} が正しくないか、"
                "ファイルの終わりを越えています",
                "the PSF font's {value} is malformed or runs past the end of the file"};
        // The Japanese leaves the pasted text out: a clipboard can hold a whole page.
        case Cause::NotAGlyph:
            return {"貼り付けるテキストが 16 進数 5 バイト（例: 7C 12 11 12 7C）ではありません",
                    "not five hex bytes such as \"7C 12 11 12 7C\": {quoted}"};
        case Cause::ColumnNotHex:
            return {"「{value}」は {code} ドットの列の 16 進数ではありません",
                    "not the hex of a column of {code} dots: {quoted}"};
        case Cause::RowNotHex:
            return {"「{value}」は {code} ドットの行の 16 進数ではありません",
                    "not the hex of a row of {code} dots: {quoted}"};
        case Cause::NoGlyphHere:
            return {"文字 {value} のグリフがありません。先に追加してください",
                    "the font has no glyph for the character {value}; add one first"};
        case Cause::GlyphExists:
            return {"文字 {value} のグリフは既にあります",
                    "the font has a glyph for the character {value} already"};
        case Cause::AdvanceOutOfRange:
            return {"送り幅 {value} は {needed} の範囲にありません",
                    "the advance {value} is not in {needed}"};
        case Cause::GlyphPastSide:
            return {"このドットを付けると文字 {value} のグリフが {needed} を超えます",
                    "the dot would make the glyph of the character {value} larger than "
                    "{needed}"};
        case Cause::BadGlyphName:
            return {
                "「{value}」はグリフの名前にできません。空白や制御文字を含まない名前にしてください",
                "cannot name a glyph: {quoted}; a name is not empty and holds no blank or "
                "control character"};
        // The Japanese leaves the pasted text out, as for NotAGlyph.
        case Cause::NotABitmapGlyph:
            return {"貼り付けるテキストはコピーしたグリフ（例: 5x2 F8 88）ではありません",
                    "not a copied glyph such as \"5x2 F8 88\": {quoted}"};
        case Cause::NoBitmapFontInFolder:
            return {"フォルダ {path} に font.bdf がないか、従来のフォントのファイルがあります",
                    "the folder holds no font.bdf, or holds the classic font's files"};
        case Cause::DirectoryNotCreated:
            return {"フォルダ {path} を作れません{reason}", "cannot create the directory: {error}"};
        case Cause::StandardOutputFailed:
            return {"標準出力に書き込めません{reason}", "cannot write{reason}"};
    }
    return {"処理に失敗しました", "the action failed"};
}

Wording wordingOf(Phrase phrase) {
    // In the order of Phrase.
    static constexpr Wording kPhrases[] = {
        {"フォルダ {folder} のファイル {name}", "{path}"},
        {"ファイル {name}", "{path}"},
        {"コード {code} の第 {column} 列", "code {code} column {column}"},
        {"コード {code} のラベル", "label of code {code}"},
        {"（{error}）", " ({error})"},
        {"（グリフ {names}）", " in glyphs {names}"},
    };
    static_assert(std::size(kPhrases) == static_cast<std::size_t>(Phrase::LosingGlyphs) + 1);
    return kPhrases[static_cast<std::size_t>(phrase)];
}

Wording wordingOf(Note note) {
    // In the order of Note.
    static constexpr Wording kNotes[] = {
        {"配列「{value}」を取り込みました", "took the array '{value}'"},
        {"表が途中で終わっています。最後のグリフ {code} 個は空です",
         "the table ends early; the last {code} glyph is left empty"},
        {"表が途中で終わっています。最後の {code} 個のグリフは空です",
         "the table ends early; the last {code} glyphs are left empty"},
        {"ENCODING {code} のグリフがないため、そのグリフは空です",
         "no glyph at ENCODING {code}; its glyph is left empty"},
        {"文字 {value} のグリフがないため、そのグリフは空です",
         "no glyph for the character {value}; its glyph is left empty"},
        {"グリフ {code} 個がセルの外のドットを切り落とされました",
         "{code} glyph lost dots to --crop"},
        {"{code} 個のグリフがセルの外のドットを切り落とされました",
         "{code} glyphs lost dots to --crop"},
        {"列ごとに 1 バイト（ビット {column} が上）、1 グリフ {code} バイトとして"
         "読みました（{value}）",
         "took columns, bit {column} top, {code} bytes a glyph ({value})"},
        {"ドット行ごとに 1 バイト（ビット {column} が左）、1 グリフ {code} "
         "バイトとして読みました（{value}）",
         "took rows, bit {column} left, {code} bytes a glyph ({value})"},
        {"フォントの文字集合は Unicode ではなく {value} です。ラベルはグリフの名前から付け、"
         "名前が文字を表さないグリフのラベルは空にしました",
         "the font's character set is {value}, not Unicode: the labels come from the glyphs' "
         "names, empty where a name stands for no character"},
        {"{value} のグリフがないため、空白のセルで表示します",
         "no glyph for {value}: shown as a blank cell"},
        // A module's CGRAM holds eight glyphs.
        {"警告: グリフ {code} 個が文字 ROM になく CGRAM が要りますが、CGRAM には "
         "8 個しか入りません（コード {value}）",
         "warning: {code} glyphs are not in the character ROM and need CGRAM, which holds 8: "
         "codes {value}"},
        {"文字 {code} 個が {value} のパネルに収まらず、省きました",
         "{code} character does not fit the {value} panel and is left out"},
        {"{code} 個の文字が {value} のパネルに収まらず、省きました",
         "{code} characters do not fit the {value} panel and are left out"},
        {"空のセルが {code} 個あります（グリフ {value}）。読出しはドットのない列として読みます",
         "note: {code} empty cells, in glyphs {value}; Read takes each as a column with no dot"},
        {"空のセル {code} 個（グリフ {value}）は、従来の font.h と同じく「0x」と書きました。"
         "コンパイルする前に埋めてください。そのままコンパイルできる表は "
         "fontedit-cli export --format c が書きます",
         "{code} empty cells, in glyphs {value}, are written as \"0x\", as the classic font.h "
         "has them: fill them in before compiling, or use --format c for a table that compiles "
         "now"},
    };
    static_assert(std::size(kNotes) == static_cast<std::size_t>(Note::HeaderEmptyCells) + 1);
    return kNotes[static_cast<std::size_t>(note)];
}

}  // namespace fontedit::messages
