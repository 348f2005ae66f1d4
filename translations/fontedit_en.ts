<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/window/export_dialog.cpp" line="+63"/>
        <source>列ごと（[96][5]）</source>
        <translation>columns ([96][5])</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ドット行ごと（[96][8]）</source>
        <translation>dot rows ([96][8])</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>名前 (--name):</source>
        <translation>Name (--name):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>並び (--layout):</source>
        <translation>Layout (--layout):</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>最初の文字 (--first):</source>
        <translation>First character (--first):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>倍率 (--scale):</source>
        <translation>Scale (--scale):</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>ビット 7 が上のドット (--msb-top)</source>
        <translation>Bit 7 is the top dot (--msb-top)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ビット 7 が左のドット (--msb-left)</source>
        <translation>Bit 7 is the left dot (--msb-left)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVR のプログラムメモリに置く (--progmem)</source>
        <translation>In AVR program memory (--progmem)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <location filename="../src/messages/catalogue.cpp" line="+17"/>
        <source>オーバーフローしました（{value}）</source>
        <translation>number out of range: {value}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>コード {code} は 0～100 の範囲にありません</source>
        <translation>code {code} is not in 0-100</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} が見つかりません</source>
        <translation>{file}: no such file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} が既にあります。置き換えるには --force を付けてください</source>
        <translation>{file} exists; use --force to replace the font files</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} に書き込めません{reason}</source>
        <translation>{file}: cannot write the file{reason}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} が途中で終わっています</source>
        <translation>{file}: the file ends before all 96 glyphs are read</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} は書き込みが許可されていません</source>
        <translation>{file}: the file is read-only; it was not replaced{reason}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} を開けません{reason}</source>
        <translation>{file}: cannot access the file{reason}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目に CP932 として読めないバイトがあります</source>
        <translation>{file}:{line}: holds bytes that are not CP932: &quot;{value}&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{place} に CP932 で書けない文字があります</source>
        <translation>{place}: holds a character that CP932 cannot represent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{place} にコンマ、改行または先頭の二重引用符があり、保存すると後の値がずれます</source>
        <translation>{place}: holds a comma, a line end or an opening quotation mark</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} が大きすぎます</source>
        <translation>{file}: the file is too large</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>{file} は通常のファイルではありません</source>
        <translation>{file}: not a regular file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} は他人が書き込めるフォルダにある他人のシンボリックリンクです。たどりませんでした</source>
        <translation>{file}: a symbolic link in a sticky folder others may write to, belonging to someone else; it was not followed</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} はリンク先のないシンボリックリンクです。リンク先は作りませんでした</source>
        <translation>{file}: a symbolic link to nothing; its target was not created</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} は書きかけです。元の内容は同じフォルダの {value} にあります{reason}</source>
        <translation>{file}: left half-written; its old content is in {value} beside it{reason}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} は復元ファイルとして読めません</source>
        <translation>{file}: not a recovery file this program wrote</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の場所にシンボリックリンクがあります。たどりませんでした</source>
        <translation>{file}: a symbolic link stands in the file&apos;s place; it was not followed</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>フォルダ {file} は他人のものか、他人が書き込めます。復元ファイルは残しません</source>
        <translation>The folder {file} belongs to another user or others may write to it; no recovery file is kept</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} に配列がありません</source>
        <translation>{file}: no brace-enclosed list found</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} に配列「{value}」がありません</source>
        <translation>{file}: no array is called &quot;{value}&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目の配列は幅 {value} で、5 列のフォントではありません</source>
        <translation>{file}:{line}: the array is {value} columns wide; a font of 5 columns is needed</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} に 5 列のフォントに合う配列がありません</source>
        <translation>{file}: no array fits a font 5 columns wide; name one with --array</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目の「{value}」は整数の定数ではありません</source>
        <translation>{file}:{line}: &quot;{value}&quot; is not an integer constant</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目の「{value}」は 0xFF を超えています</source>
        <translation>{file}:{line}: &quot;{value}&quot; is not a byte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目の「{value}」はリストの中の条件です。cpp -P で前処理してください</source>
        <translation>{file}:{line}: &quot;{value}&quot; stands inside the list; preprocess the file first, as with &apos;cpp -P&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{file} の {line} 行目で始まるリストが閉じていません</source>
        <translation>{file}:{line}: the list opened here is never closed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目で始まるコメントが閉じていません</source>
        <translation>{file}:{line}: the comment opened here is never closed</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の配列は {value} 個の値でグリフの途中で終わっています</source>
        <translation>{file}:{line}: the array ends inside a glyph, after {value} values</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の配列は {value} 個の値しかなく、オフセットがその先にあります</source>
        <translation>{file}:{line}: the offset lies past the {value} values of the array</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の行は配列の幅より長く、「{value}」が余ります</source>
        <translation>{file}:{line}: a row is longer than the array is wide: &quot;{value}&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の #if 0 に #endif がありません</source>
        <translation>{file}:{line}: the &apos;#if 0&apos; here has no &apos;#endif&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目の「{value}」で括弧の入れ子が深すぎます</source>
        <translation>{file}:{line}: &quot;{value}&quot; opens brackets nested too deep</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目のグリフ表はフォントの {value} グリフに足りません</source>
        <translation>{file}:{line}: the font spans {value} glyphs; the glyph table holds fewer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目のグリフ {value} はビットマップの外にはみ出しています</source>
        <translation>{file}:{line}: glyph {value} reaches past the end of the bitmap</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の表のグリフの並びが決められません。次のどれかを指定してください: {value}</source>
        <translation>{file}:{line}: cannot tell how the table holds its glyphs; choose one of: {value} (with --first for the first code)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目の表はどう読んでも 5×8 のグリフに収まりません（--crop で切り取れます）</source>
        <translation>{file}:{line}: no reading of the table as 5 x 8 glyphs keeps every dot; name its shape with --layout, --stride and --offset, or cut the dots off with --crop</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目の表はグリフごとに幅が違います。固定幅のフォントだけを読めます</source>
        <translation>{file}:{line}: the table gives each glyph a width of its own; only fonts of fixed width are read</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目の添字「{value}」はフォントの範囲をはるかに超えています</source>
        <translation>{file}:{line}: the index &quot;{value}&quot; lies far past any font</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は C の表、BDF・PCF フォント、PNG シート、gzip ファイル、480 バイトのバイナリのどれでもありません（先頭「{value}」）</source>
        <translation>{file}: neither a C table, a BDF or PCF font, a PNG sheet, a gzip file nor the 480 bytes of a binary export: it starts &quot;{value}&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} のコード {code} のグリフは 5×8 のセルに収まりません（--crop で切り取れます）</source>
        <translation>{file}: glyph {code} has dots outside the 5 x 8 cell; --crop cuts them off</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} は BDF フォントではありません</source>
        <translation>{file}: not a BDF font: the first line is &quot;{value}&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目の「{value}」の数値が正しくありません</source>
        <translation>{file}:{line}: a number is missing or malformed in &quot;{value}&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目のグリフ「{value}」は 5×8 のセルに収まりません</source>
        <translation>{file}:{line}: glyph &quot;{value}&quot; has dots outside the 5 x 8 cell; --crop cuts it to the cell</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目の「{value}」はグリフの幅のビットマップ行ではありません</source>
        <translation>{file}:{line}: &quot;{value}&quot; is not a bitmap row as wide as the glyph</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目のグリフ「{value}」に ENDCHAR がありません</source>
        <translation>{file}:{line}: glyph &quot;{value}&quot; has no ENDCHAR</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目のグリフ「{value}」はコード {code} のグリフと同じ ENCODING です</source>
        <translation>{file}:{line}: glyph &quot;{value}&quot; takes glyph {code} a second time</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} に ENCODING {value} からの 96 文字のグリフがありません</source>
        <translation>{file}: no glyph has one of the 96 encodings from {value}; choose the first with --first</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} に ENCODING {code} からの 96 文字のグリフがありません（フォントの ENCODING は {value}）</source>
        <translation>{file}: no glyph has one of the 96 encodings from {code}; the font&apos;s run from {value}; choose the first with --first</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は PCF フォントではありません</source>
        <translation>{file}: not a PCF font: it does not start with &quot;\x01fcp&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の PCF の表「{value}」がファイルの終わりを越えています</source>
        <translation>{file}: the PCF table &quot;{value}&quot; reaches past the end of the file; is it cut short?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の PCF の表「{value}」がないか、正しくありません</source>
        <translation>{file}: the PCF table &quot;{value}&quot; is missing or malformed</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の gzip データが壊れているか、途中で終わっています</source>
        <translation>{file}: the gzip data is damaged or cut short</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の gzip データの後、{value} バイト目から gzip でないバイトが続いています</source>
        <translation>{file}: bytes that are not gzip data follow it from byte {value} on</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は TrueType・OpenType フォントではありません</source>
        <translation>{file}: not a TrueType or OpenType font</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} を FreeType で読めません（{value}）</source>
        <translation>{file}: FreeType cannot read the font: {value}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {value} 個のフェースのどれかを、0 から数えた番号で --face に指定してください</source>
        <translation>{file}: --face N names one of the {value} faces of the file, counted from 0</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} に --size の大きさのビットマップがありません（あるのは {value} ピクセル）</source>
        <translation>{file}: no bitmap strike of the size --size names; the font&apos;s strikes are {value} pixels</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} のアウトラインは 1 em {value} ピクセルではピクセルの格子に沿いません。--size で大きさを指定してください</source>
        <translation>{file}: at {value} pixels per em the outlines do not run along pixel edges; name the font&apos;s pixel size with --size</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{file} に {value} からの 96 文字のグリフがありません</source>
        <translation>{file}: the face has no glyph for the 96 characters from {value}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} のビットマップのグリフ「{value}」は濃淡で描かれていて、ドットではありません</source>
        <translation>{file}: the strike draws glyph &quot;{value}&quot; in shades of grey, not in dots</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{place} の「{value}」は 1～2 桁の 16 進数ではありません</source>
        <translation>{place}: &quot;{value}&quot; is not a byte of one or two hexadecimal digits</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>文字「{value}」のグリフがありません</source>
        <translation>no glyph for the character &quot;{value}&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PNG 画像を作れません（{value}）</source>
        <translation>cannot encode the PNG image: {value}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>グリフ 95 は文字 {code} になりますが、この形式は {value} までの文字しか持てません</source>
        <translation>glyph 95 would stand for character {code}, and the format holds characters up to {value}; choose a lower --first</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {value} フォントは途中で切れているか矛盾しています</source>
        <translation>{file}: the {value} font is cut short or contradicts itself</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の LVGL フォントは 1 ピクセル {value} ビットです。読めるのは 1 ビットのフォントです</source>
        <translation>{file}: the LVGL font has {value} bits a pixel; only fonts of 1 bit a pixel are taken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は PNG 画像ではありません</source>
        <translation>{file}: not a PNG image</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の PNG 画像が途中で終わっています</source>
        <translation>{file}: the PNG image ends early</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の PNG 画像を読めません（{value}）</source>
        <translation>{file}: cannot decode the PNG image: {value}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の画像は {value} ピクセルです。シートは 114×62 ドットを 1～64 の整数倍にした大きさです</source>
        <translation>{file}: the image is {value} pixels; a sheet is 114 x 62 dots at a whole scale from 1 to 64</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の画像に 3 色目（{value}）があります。シートは明るい地に暗いドットの 2 色で描きます</source>
        <translation>{file}: the image holds a third colour, {value}; a sheet has two, dark dots on a light ground</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は PSF コンソールフォントではありません</source>
        <translation>{file}: not a PSF console font: it opens with neither PSF1&apos;s mark nor PSF2&apos;s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の PSF フォントの {value} が正しくないか、ファイルの終わりを越えています</source>
        <translation>{file}: the PSF font&apos;s {value} is malformed or runs past the end of the file</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>貼り付けるテキストが 16 進数 5 バイト（例: 7C 12 11 12 7C）ではありません</source>
        <translation>not five hex bytes such as &quot;7C 12 11 12 7C&quot;: &quot;{value}&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>フォルダ {path} を作れません{reason}</source>
        <translation>{path}: cannot create the directory: {error}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>標準出力に書き込めません{reason}</source>
        <translation>cannot write{reason}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>処理に失敗しました</source>
        <translation>the action failed</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>フォルダ {folder} のファイル {name}</source>
        <translation>{path}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファイル {name}</source>
        <translation>{path}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>コード {code} の第 {column} 列</source>
        <translation>code {code} column {column}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード {code} のラベル</source>
        <translation>label of code {code}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>（{error}）</source>
        <translation> ({error})</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>配列「{value}」を取り込みました</source>
        <translation>took the array &apos;{value}&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>表が途中で終わっています。最後のグリフ {code} 個は空です</source>
        <translation>the table ends early; the last {code} glyph is left empty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>表が途中で終わっています。最後の {code} 個のグリフは空です</source>
        <translation>the table ends early; the last {code} glyphs are left empty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ENCODING {code} のグリフがないため、そのグリフは空です</source>
        <translation>no glyph at ENCODING {code}; its glyph is left empty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>グリフ {code} 個がセルの外のドットを切り落とされました</source>
        <translation>{code} glyph lost dots to --crop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>{code} 個のグリフがセルの外のドットを切り落とされました</source>
        <translation>{code} glyphs lost dots to --crop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>列ごとに 1 バイト（ビット {column} が上）、1 グリフ {code} バイトとして読みました（{value}）</source>
        <translation>took columns, bit {column} top, {code} bytes a glyph ({value})</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ドット行ごとに 1 バイト（ビット {column} が左）、1 グリフ {code} バイトとして読みました（{value}）</source>
        <translation>took rows, bit {column} left, {code} bytes a glyph ({value})</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{value} のグリフがないため、空白のセルで表示します</source>
        <translation>no glyph for {value}: shown as a blank cell</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>警告: グリフ {code} 個が文字 ROM になく CGRAM が要りますが、CGRAM には 8 個しか入りません（コード {value}）</source>
        <translation>warning: {code} glyphs are not in the character ROM and need CGRAM, which holds 8: codes {value}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>文字 {code} 個が {value} のパネルに収まらず、省きました</source>
        <translation>{code} character does not fit the {value} panel and is left out</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>{code} 個の文字が {value} のパネルに収まらず、省きました</source>
        <translation>{code} characters do not fit the {value} panel and are left out</translation>
    </message>
    <message>
        <location filename="../src/window/failure_message.cpp" line="+21"/>
        <source>エラー %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
</context>
<context>
    <name>FolderActions</name>
    <message>
        <location filename="../src/window/folder_actions.cpp" line="+23"/>
        <source>フォルダを開く</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>最近のフォルダ</source>
        <translation>Recent Folders</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>フォルダ: %1 — %2</source>
        <translation>Folder: %1 — %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>未保存の変更があります</source>
        <translation>unsaved changes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>変更はすべて保存済みです</source>
        <translation>all changes saved</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/window/import_dialog.cpp" line="+21"/>
        <source>取り込み</source>
        <translation>Import</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>フォント (*.c *.h *.bdf *.pcf *.gz *.bin *.png *.ttf *.otf *.otb *.ttc *.psf);;すべてのファイル (*)</source>
        <translation>Fonts (*.c *.h *.bdf *.pcf *.gz *.bin *.png *.ttf *.otf *.otb *.ttc *.psf);;All files (*)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 の表がグリフをどう並べているか決められません。どの読み方で取り込みますか？</source>
        <translation>Cannot tell how the table in %1 holds its glyphs. Which reading should be imported?</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <location filename="../src/window/layout.cpp" line="+15"/>
        <source>文字</source>
        <translation>Char</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cヘッダ生成</source>
        <translation>Export font.h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location filename="../src/window/layout.h" line="+16"/>
        <source>8x8フォントエディタ</source>
        <translation>8x8 Font Editor</translation>
    </message>
</context>
<context>
    <name>fontedit::window::Form1</name>
    <message>
        <location filename="../src/window/form1.cpp" line="+160"/>
        <source>列 %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>保存されていない変更があります。変更を破棄してファイルから読み出しますか？</source>
        <translation>There are unsaved changes. Discard them and read the files?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+30"/>
        <location line="+52"/>
        <location line="+211"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="-267"/>
        <source>フォルダ %1 のファイル %2 は、最後の読出しか保存の後にほかのプログラムで変更されています。上書きしますか？</source>
        <translation>Another program has changed %2 in the folder %1 since the last Read or Save. Replace?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上書き</source>
        <translation>Replace</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>フォルダ %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</source>
        <translation>The font in the folder %1 has changes left from a session that ended without saving (kept aside at %2). Restore them?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>復元</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+30"/>
        <source>破棄</source>
        <translation>Discard</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>保存されていない変更があります。終了する前に保存しますか？</source>
        <translation>There are unsaved changes. Save them before quitting?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>エラー: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>白黒反転</source>
        <translation>Invert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>上へずらす</source>
        <translation>Shift Up</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>下へずらす</source>
        <translation>Shift Down</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>左へずらす</source>
        <translation>Shift Left</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>右へずらす</source>
        <translation>Shift Right</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>左右反転</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>一覧</source>
        <translation>Overview</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>フォルダを開く…</source>
        <translation>Open Folder…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り込み…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>書き出し…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>保存されていない変更があります。変更を破棄してフォルダ %1 を開きますか？</source>
        <translation>There are unsaved changes. Discard them and open the folder %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 を取り込みました。保存するまでファイルには書き込みません</source>
        <translation>Imported %1. Nothing is written until you save.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 に書き出しました</source>
        <translation>Exported to %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 に書き込みました</source>
        <translation>Wrote %1</translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphOverview</name>
    <message>
        <location filename="../src/window/glyph_overview.cpp" line="+45"/>
        <source>一覧</source>
        <translation>Overview</translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphPanel</name>
    <message>
        <location filename="../src/window/glyph_panel.cpp" line="+57"/>
        <location line="+1"/>
        <source>見本の文字</source>
        <translation>Sample text</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+1"/>
        <source>見本の見た目</source>
        <translation>Preview look</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>見本の配置</source>
        <translation>Preview layout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>行</source>
        <translation>Line</translation>
    </message>
</context>
<context>
    <name>fontedit::window::PixelButton</name>
    <message>
        <location filename="../src/window/pixel_button.cpp" line="+89"/>
        <source>列 %1 行 %2</source>
        <translation>Column %1, row %2</translation>
    </message>
</context>
<context>
    <name>fontedit::window::TextPreview</name>
    <message>
        <location filename="../src/window/text_preview.cpp" line="+28"/>
        <source>見本</source>
        <translation>Sample</translation>
    </message>
</context>
</TS>
