<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/window/export_dialog.cpp" line="+43"/>
        <source>エディタの font.h（手で仕上げる）</source>
        <translation>the editor&apos;s font.h, to be finished by hand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>そのままコンパイルできる C ソース</source>
        <translation>a C source that compiles as it stands</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>BDF 2.1 フォント</source>
        <translation>a BDF 2.1 font</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>列の 480 バイト</source>
        <translation>the 480 column bytes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>96 グリフの PNG シート</source>
        <translation>a PNG sheet of the 96 glyphs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>u8g2 フォント（u8g2.setFont() 用）</source>
        <translation>a u8g2 font, for u8g2.setFont()</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>u8x8 タイルフォント（u8x8.setFont() 用）</source>
        <translation>a u8x8 tile font, for u8x8.setFont()</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 ピクセル 1 ビットの LVGL 8.3・9 フォント</source>
        <translation>an LVGL 8.3 and 9 font at 1 bit a pixel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adafruit GFX・TFT_eSPI の GFXfont ヘッダ（setFont 用）</source>
        <translation>an Adafruit GFX / TFT_eSPI GFXfont header for setFont</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adafruit GFX の標準フォント glcdfont.c</source>
        <translation>a glcdfont.c for Adafruit GFX&apos;s classic font</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MD_MAX72XX・MD_Parola のフォント表</source>
        <translation>an MD_MAX72XX / MD_Parola font table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>キャラクタ LCD の createChar 用の外字（既定はコード 0-7）</source>
        <translation>custom characters for a character LCD&apos;s createChar (default codes 0-7)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linux コンソールの setfont 用の PSF2 フォント</source>
        <translation>a PSF2 console font for the Linux console&apos;s setfont</translation>
    </message>
    <message>
        <location line="+35"/>
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
        <source>例: 0-7,10</source>
        <translation>e.g. 0-7,10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード (--codes):</source>
        <translation>Codes (--codes):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最初の文字 (--first):</source>
        <translation>First character (--first):</translation>
    </message>
    <message>
        <location filename="../src/window/bitmap_export_dialog.cpp" line="+49"/>
        <location filename="../src/window/export_dialog.cpp" line="+1"/>
        <source>倍率 (--scale):</source>
        <translation>Scale (--scale):</translation>
    </message>
    <message>
        <location filename="../src/window/export_dialog.cpp" line="+90"/>
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
        <location line="+33"/>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>FailureMessage</name>
    <message>
        <location filename="../src/window/failure_message.cpp" line="+31"/>
        <source>エラー %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>エラー: %1</source>
        <translation>Error: %1</translation>
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
        <location line="+30"/>
        <source>フォルダ: %1 — %2</source>
        <translation>Folder: %1 — %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ファイル: %1 — %2</source>
        <translation>File: %1 — %2</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>未保存の変更があります</source>
        <translation>unsaved changes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>変更はすべて保存済みです</source>
        <translation>all changes saved</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> — 復元ファイルは残していません</source>
        <translation> — no recovery file is kept</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/window/import_dialog.cpp" line="+28"/>
        <source>取り込み</source>
        <translation>Import</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>フォント (%1);;すべてのファイル (*)</source>
        <translation>Fonts (%1);;All files (*)</translation>
    </message>
    <message>
        <location line="+42"/>
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
    <name>Language</name>
    <message>
        <location filename="../src/window/translation.cpp" line="+61"/>
        <source>ja</source>
        <extracomment>This translation&apos;s language, as its file names it: &quot;en&quot; in fontedit_en.ts.</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <location filename="../src/window/control_geometry.cpp" line="+15"/>
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
        <location filename="../src/window/control_geometry.h" line="+17"/>
        <source>8x8フォントエディタ</source>
        <translation>8x8 Font Editor</translation>
    </message>
</context>
<context>
    <name>WorkAside</name>
    <message>
        <location filename="../src/window/work_aside.cpp" line="+46"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>fontedit::window::BitmapPreview</name>
    <message>
        <location filename="../src/window/bitmap_preview.cpp" line="+19"/>
        <source>見本</source>
        <translation>Sample</translation>
    </message>
</context>
<context>
    <name>fontedit::window::DotGrid</name>
    <message>
        <location filename="../src/window/dot_grid.cpp" line="+31"/>
        <source>ドット</source>
        <translation>Dots</translation>
    </message>
</context>
<context>
    <name>fontedit::window::FontPanel</name>
    <message>
        <location filename="../src/window/font_panel.cpp" line="+37"/>
        <source>検索: あ、U+3040-U+309F</source>
        <translation>Search: あ, U+3040-U+309F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>見本の文字</source>
        <translation>Sample text</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>見本の見た目</source>
        <translation>Preview look</translation>
    </message>
</context>
<context>
    <name>fontedit::window::FontWindow</name>
    <message>
        <location filename="../src/window/font_window.cpp" line="+52"/>
        <location line="+317"/>
        <source>%1 — フォントエディタ</source>
        <translation>%1 — Font Editor</translation>
    </message>
    <message>
        <location line="-310"/>
        <location line="+49"/>
        <source>文字</source>
        <translation>Character</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+53"/>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="-51"/>
        <location line="+60"/>
        <source>送り幅</source>
        <translation>Advance</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>A、あ、U+3042、0x3042 (Ctrl+G)</source>
        <translation>A, あ, U+3042, 0x3042 (Ctrl+G)</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>前の文字</source>
        <translation>Previous character</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>次の文字</source>
        <translation>Next character</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文字へ移動</source>
        <translation>Go to character</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>グリフを削除</source>
        <translation>Delete glyph</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>上下反転</source>
        <translation>Mirror top to bottom</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+168"/>
        <source>開く…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <location line="-166"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>グリフを追加</source>
        <translation>Add glyph</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>列 %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>行 %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>%1 のグリフはこのフォントにありません。追加しますか？</source>
        <translation>The font has no glyph for %1. Add one?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ファイル %1 は、最後の読み込みか保存の後にほかのプログラムで変更されています。上書きしますか？</source>
        <translation>Another program changed the file %1 since it was last opened or saved here. Overwrite it?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ファイル %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</source>
        <translation>The font of the file %1 has changes that were never saved (kept at %2). Restore them?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>保存されていない変更があります。変更を破棄してほかのフォントを開きますか？</source>
        <translation>There are unsaved changes. Discard them and open another font?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>フォント (*.bdf %1 %2)</source>
        <translation>Fonts (*.bdf %1 %2)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 のグリフ %2 個が、このフォントにあるグリフを置き換えます。取り込みますか？</source>
        <translation>%2 glyphs of %1 would replace glyphs this font has. Import?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>取り込み</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>fontedit::window::Form1</name>
    <message>
        <location filename="../src/window/form1.cpp" line="+170"/>
        <source>列 %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>保存されていない変更があります。変更を破棄してファイルから読み出しますか？</source>
        <translation>There are unsaved changes. Discard them and read the files?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation>Read</translation>
    </message>
    <message>
        <location filename="../src/window/font_window.cpp" line="-84"/>
        <location line="+13"/>
        <location line="+30"/>
        <location line="+41"/>
        <location line="+65"/>
        <location filename="../src/window/form1.cpp" line="+0"/>
        <location line="+29"/>
        <location line="+15"/>
        <location line="+33"/>
        <location line="+196"/>
        <location line="+7"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/window/form1.cpp" line="-256"/>
        <source>フォルダ %1 には、このウィンドウで読み出していないフォント（ドットのあるグリフ %2 個）があります。保存すると、そのフォントとラベルを今の表で置き換えます。置き換えますか？</source>
        <translation>The folder %1 holds a font this window has not read (%2 glyphs with dots). Saving replaces it and its labels with the tables shown here. Replace it?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>置き換え</source>
        <translation>Replace</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>フォルダ %1 のファイル %2 は、最後の読出しか保存の後にほかのプログラムで変更されています。上書きしますか？</source>
        <translation>Another program has changed %2 in the folder %1 since the last Read or Save. Replace?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/window/font_window.cpp" line="-137"/>
        <location filename="../src/window/form1.cpp" line="+1"/>
        <source>上書き</source>
        <translation>Replace</translation>
    </message>
    <message>
        <location filename="../src/window/form1.cpp" line="+10"/>
        <source>フォルダ %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</source>
        <translation>The font in the folder %1 has changes left from a session that ended without saving (kept aside at %2). Restore them?</translation>
    </message>
    <message>
        <location filename="../src/window/recovery_keeper.cpp" line="+132"/>
        <source>復元</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location filename="../src/window/font_window.cpp" line="+136"/>
        <location filename="../src/window/form1.cpp" line="+23"/>
        <location filename="../src/window/recovery_keeper.cpp" line="+1"/>
        <source>破棄</source>
        <translation>Discard</translation>
    </message>
    <message>
        <location line="-3"/>
        <location filename="../src/window/form1.cpp" line="-1"/>
        <source>保存されていない変更があります。終了する前に保存しますか？</source>
        <translation>There are unsaved changes. Save them before quitting?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/window/form1.cpp" line="+1"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="-307"/>
        <location filename="../src/window/form1.cpp" line="+33"/>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/window/form1.cpp" line="+3"/>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location filename="../src/window/form1.cpp" line="+10"/>
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
        <location line="+30"/>
        <source>フォルダを開く…</source>
        <translation>Open Folder…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り込み…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <location filename="../src/window/bitmap_export_dialog.cpp" line="-17"/>
        <location line="+16"/>
        <location filename="../src/window/form1.cpp" line="+2"/>
        <source>書き出し…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <location filename="../src/window/form1.cpp" line="+13"/>
        <source>保存されていない変更があります。変更を破棄してフォルダ %1 を開きますか？</source>
        <translation>There are unsaved changes. Discard them and open the folder %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>保存されていない変更があります。変更を持ったままフォルダ %1 を開きますか？保存するとそのフォルダに書き込みます</source>
        <translation>There are unsaved changes. Open the folder %1 and take them along? Saving writes them into that folder.</translation>
    </message>
    <message>
        <location filename="../src/window/font_window.cpp" line="+231"/>
        <location filename="../src/window/form1.cpp" line="+33"/>
        <source>%1 を取り込んでいます…</source>
        <translation>Importing %1…</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../src/window/form1.cpp" line="+25"/>
        <source>%1 を取り込みました。保存するまでファイルには書き込みません</source>
        <translation>Imported %1. Nothing is written until you save.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/window/form1.cpp" line="+11"/>
        <source>%1 に書き出しました</source>
        <translation>Exported to %1</translation>
    </message>
    <message>
        <location line="-81"/>
        <location filename="../src/window/form1.cpp" line="+20"/>
        <source>%1 に書き込みました</source>
        <translation>Wrote %1</translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphList</name>
    <message>
        <location filename="../src/window/glyph_list.cpp" line="+33"/>
        <source>一覧</source>
        <translation>Overview</translation>
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
