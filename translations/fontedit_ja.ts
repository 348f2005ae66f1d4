<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ja">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/window/export_dialog.cpp" line="+43"/>
        <source>エディタの font.h（手で仕上げる）</source>
        <translation>エディタの font.h（手で仕上げる）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>そのままコンパイルできる C ソース</source>
        <translation>そのままコンパイルできる C ソース</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>BDF 2.1 フォント</source>
        <translation>BDF 2.1 フォント</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>列の 480 バイト</source>
        <translation>列の 480 バイト</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>96 グリフの PNG シート</source>
        <translation>96 グリフの PNG シート</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>u8g2 フォント（u8g2.setFont() 用）</source>
        <translation>u8g2 フォント（u8g2.setFont() 用）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>u8x8 タイルフォント（u8x8.setFont() 用）</source>
        <translation>u8x8 タイルフォント（u8x8.setFont() 用）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 ピクセル 1 ビットの LVGL 8.3・9 フォント</source>
        <translation>1 ピクセル 1 ビットの LVGL 8.3・9 フォント</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adafruit GFX・TFT_eSPI の GFXfont ヘッダ（setFont 用）</source>
        <translation>Adafruit GFX・TFT_eSPI の GFXfont ヘッダ（setFont 用）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adafruit GFX の標準フォント glcdfont.c</source>
        <translation>Adafruit GFX の標準フォント glcdfont.c</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MD_MAX72XX・MD_Parola のフォント表</source>
        <translation>MD_MAX72XX・MD_Parola のフォント表</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>キャラクタ LCD の createChar 用の外字（既定はコード 0-7）</source>
        <translation>キャラクタ LCD の createChar 用の外字（既定はコード 0-7）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linux コンソールの setfont 用の PSF2 フォント</source>
        <translation>Linux コンソールの setfont 用の PSF2 フォント</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>列ごと（[96][5]）</source>
        <translation>列ごと（[96][5]）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ドット行ごと（[96][8]）</source>
        <translation>ドット行ごと（[96][8]）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>名前 (--name):</source>
        <translation>名前 (--name):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>並び (--layout):</source>
        <translation>並び (--layout):</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>例: 0-7,10</source>
        <translation>例: 0-7,10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード (--codes):</source>
        <translation>コード (--codes):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最初の文字 (--first):</source>
        <translation>最初の文字 (--first):</translation>
    </message>
    <message>
        <location filename="../src/window/bitmap_export_dialog.cpp" line="+49"/>
        <location filename="../src/window/export_dialog.cpp" line="+1"/>
        <source>倍率 (--scale):</source>
        <translation>倍率 (--scale):</translation>
    </message>
    <message>
        <location filename="../src/window/export_dialog.cpp" line="+90"/>
        <source>ビット 7 が上のドット (--msb-top)</source>
        <translation>ビット 7 が上のドット (--msb-top)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ビット 7 が左のドット (--msb-left)</source>
        <translation>ビット 7 が左のドット (--msb-left)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVR のプログラムメモリに置く (--progmem)</source>
        <translation>AVR のプログラムメモリに置く (--progmem)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>書き出し</source>
        <translation>書き出し</translation>
    </message>
</context>
<context>
    <name>FailureMessage</name>
    <message>
        <location filename="../src/window/failure_message.cpp" line="+31"/>
        <source>エラー %1: %2</source>
        <translation>エラー %1: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>エラー: %1</source>
        <translation>エラー: %1</translation>
    </message>
</context>
<context>
    <name>FolderActions</name>
    <message>
        <location filename="../src/window/folder_actions.cpp" line="+23"/>
        <source>フォルダを開く</source>
        <translation>フォルダを開く</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>最近のフォルダ</source>
        <translation>最近のフォルダ</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>フォルダ: %1 — %2</source>
        <translation>フォルダ: %1 — %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ファイル: %1 — %2</source>
        <translation>ファイル: %1 — %2</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>未保存の変更があります</source>
        <translation>未保存の変更があります</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>変更はすべて保存済みです</source>
        <translation>変更はすべて保存済みです</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> — 復元ファイルは残していません</source>
        <translation> — 復元ファイルは残していません</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/window/import_dialog.cpp" line="+28"/>
        <source>取り込み</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>フォント (%1);;すべてのファイル (*)</source>
        <translation>フォント (%1);;すべてのファイル (*)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>キャンセル</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 の表がグリフをどう並べているか決められません。どの読み方で取り込みますか？</source>
        <translation>%1 の表がグリフをどう並べているか決められません。どの読み方で取り込みますか？</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/window/translation.cpp" line="+61"/>
        <source>ja</source>
        <extracomment>This translation&apos;s language, as its file names it: &quot;en&quot; in fontedit_en.ts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <location filename="../src/window/control_geometry.cpp" line="+15"/>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード</source>
        <translation>コード</translation>
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
        <translation>ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation>読出し</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cヘッダ生成</source>
        <translation>Cヘッダ生成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>終了</source>
        <translation>終了</translation>
    </message>
    <message>
        <location filename="../src/window/control_geometry.h" line="+17"/>
        <source>8x8フォントエディタ</source>
        <translation>8x8フォントエディタ</translation>
    </message>
</context>
<context>
    <name>WorkAside</name>
    <message>
        <location filename="../src/window/work_aside.cpp" line="+46"/>
        <source>キャンセル</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>fontedit::window::BitmapPreview</name>
    <message>
        <location filename="../src/window/bitmap_preview.cpp" line="+19"/>
        <source>見本</source>
        <translation>見本</translation>
    </message>
</context>
<context>
    <name>fontedit::window::DotGrid</name>
    <message>
        <location filename="../src/window/dot_grid.cpp" line="+31"/>
        <source>ドット</source>
        <translation>ドット</translation>
    </message>
</context>
<context>
    <name>fontedit::window::FontPanel</name>
    <message>
        <location filename="../src/window/font_panel.cpp" line="+37"/>
        <source>検索: あ、U+3040-U+309F</source>
        <translation>検索: あ、U+3040-U+309F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>検索</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>見本の文字</source>
        <translation>見本の文字</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>見本の見た目</source>
        <translation>見本の見た目</translation>
    </message>
</context>
<context>
    <name>fontedit::window::FontWindow</name>
    <message>
        <location filename="../src/window/font_window.cpp" line="+52"/>
        <location line="+317"/>
        <source>%1 — フォントエディタ</source>
        <translation>%1 — フォントエディタ</translation>
    </message>
    <message>
        <location line="-310"/>
        <location line="+49"/>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+53"/>
        <source>名前</source>
        <translation>名前</translation>
    </message>
    <message>
        <location line="-51"/>
        <location line="+60"/>
        <source>送り幅</source>
        <translation>送り幅</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>A、あ、U+3042、0x3042 (Ctrl+G)</source>
        <translation>A、あ、U+3042、0x3042 (Ctrl+G)</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>前の文字</source>
        <translation>前の文字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>次の文字</source>
        <translation>次の文字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文字へ移動</source>
        <translation>文字へ移動</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>グリフを削除</source>
        <translation>グリフを削除</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>上下反転</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+168"/>
        <source>開く…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <location line="-166"/>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>グリフを追加</source>
        <translation>グリフを追加</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>終了</source>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>列 %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>行 %1</source>
        <translation>行 %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>%1 のグリフはこのフォントにありません。追加しますか？</source>
        <translation>%1 のグリフはこのフォントにありません。追加しますか？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>追加</source>
        <translation>追加</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ファイル %1 は、最後の読み込みか保存の後にほかのプログラムで変更されています。上書きしますか？</source>
        <translation>ファイル %1 は、最後の読み込みか保存の後にほかのプログラムで変更されています。上書きしますか？</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ファイル %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</source>
        <translation>ファイル %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>保存されていない変更があります。変更を破棄してほかのフォントを開きますか？</source>
        <translation>保存されていない変更があります。変更を破棄してほかのフォントを開きますか？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開く</source>
        <translation>開く</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>フォント (*.bdf %1 %2)</source>
        <translation>フォント (*.bdf %1 %2)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 のグリフ %2 個が、このフォントにあるグリフを置き換えます。取り込みますか？</source>
        <translation>%1 のグリフ %2 個が、このフォントにあるグリフを置き換えます。取り込みますか？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>取り込み</source>
        <translation>取り込み</translation>
    </message>
</context>
<context>
    <name>fontedit::window::Form1</name>
    <message>
        <location filename="../src/window/form1.cpp" line="+257"/>
        <source>保存されていない変更があります。変更を破棄してファイルから読み出しますか？</source>
        <translation>保存されていない変更があります。変更を破棄してファイルから読み出しますか？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation>読出し</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../src/window/form1.cpp" line="-226"/>
        <source>フォルダ %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</source>
        <translation>フォルダ %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</translation>
    </message>
    <message>
        <location filename="../src/window/font_window.cpp" line="-4"/>
        <location filename="../src/window/form1.cpp" line="+22"/>
        <source>保存されていない変更があります。終了する前に保存しますか？</source>
        <translation>保存されていない変更があります。終了する前に保存しますか？</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/window/form1.cpp" line="+1"/>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/form1.cpp" line="+0"/>
        <location filename="../src/window/recovery_keeper.cpp" line="+133"/>
        <source>破棄</source>
        <translation>破棄</translation>
    </message>
    <message>
        <location filename="../src/window/form1.cpp" line="-165"/>
        <source>列 %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>フォルダ %1 には、このウィンドウで読み出していないフォント（ドットのあるグリフ %2 個）があります。保存すると、そのフォントとラベルを今の表で置き換えます。置き換えますか？</source>
        <translation>フォルダ %1 には、このウィンドウで読み出していないフォント（ドットのあるグリフ %2 個）があります。保存すると、そのフォントとラベルを今の表で置き換えます。置き換えますか？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>置き換え</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>フォルダ %1 のファイル %2 は、最後の読出しか保存の後にほかのプログラムで変更されています。上書きしますか？</source>
        <translation>フォルダ %1 のファイル %2 は、最後の読出しか保存の後にほかのプログラムで変更されています。上書きしますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <location filename="../src/window/font_window.cpp" line="-136"/>
        <location filename="../src/window/form1.cpp" line="+1"/>
        <source>上書き</source>
        <translation>上書き</translation>
    </message>
    <message>
        <location filename="../src/window/recovery_keeper.cpp" line="-1"/>
        <source>復元</source>
        <translation>復元</translation>
    </message>
    <message>
        <location filename="../src/window/font_window.cpp" line="-172"/>
        <location filename="../src/window/form1.cpp" line="+66"/>
        <source>元に戻す</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/window/form1.cpp" line="+3"/>
        <source>やり直し</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <location filename="../src/window/form1.cpp" line="+10"/>
        <source>コピー</source>
        <translation>コピー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>貼り付け</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>消去</source>
        <translation>消去</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>白黒反転</source>
        <translation>白黒反転</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>上へずらす</source>
        <translation>上へずらす</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>下へずらす</source>
        <translation>下へずらす</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>左へずらす</source>
        <translation>左へずらす</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>右へずらす</source>
        <translation>右へずらす</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>左右反転</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>一覧</source>
        <translation>一覧</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>フォルダを開く…</source>
        <translation>フォルダを開く…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り込み…</source>
        <translation>取り込み…</translation>
    </message>
    <message>
        <location filename="../src/window/bitmap_export_dialog.cpp" line="-17"/>
        <location line="+16"/>
        <location filename="../src/window/form1.cpp" line="+2"/>
        <source>書き出し…</source>
        <translation>書き出し…</translation>
    </message>
    <message>
        <location filename="../src/window/form1.cpp" line="+13"/>
        <source>保存されていない変更があります。変更を破棄してフォルダ %1 を開きますか？</source>
        <translation>保存されていない変更があります。変更を破棄してフォルダ %1 を開きますか？</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <source>開く</source>
        <translation>開く</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>保存されていない変更があります。変更を持ったままフォルダ %1 を開きますか？保存するとそのフォルダに書き込みます</source>
        <translation>保存されていない変更があります。変更を持ったままフォルダ %1 を開きますか？保存するとそのフォルダに書き込みます</translation>
    </message>
    <message>
        <location filename="../src/window/font_window.cpp" line="+231"/>
        <location filename="../src/window/form1.cpp" line="+33"/>
        <source>%1 を取り込んでいます…</source>
        <translation>%1 を取り込んでいます…</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../src/window/form1.cpp" line="+25"/>
        <source>%1 を取り込みました。保存するまでファイルには書き込みません</source>
        <translation>%1 を取り込みました。保存するまでファイルには書き込みません</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/window/form1.cpp" line="+11"/>
        <source>%1 に書き出しました</source>
        <translation>%1 に書き出しました</translation>
    </message>
    <message>
        <location line="-81"/>
        <location filename="../src/window/form1.cpp" line="+20"/>
        <source>%1 に書き込みました</source>
        <translation>%1 に書き込みました</translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphList</name>
    <message>
        <location filename="../src/window/glyph_list.cpp" line="+33"/>
        <source>一覧</source>
        <translation>一覧</translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphOverview</name>
    <message>
        <location filename="../src/window/glyph_overview.cpp" line="+45"/>
        <source>一覧</source>
        <translation>一覧</translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphPanel</name>
    <message>
        <location filename="../src/window/glyph_panel.cpp" line="+57"/>
        <location line="+1"/>
        <source>見本の文字</source>
        <translation>見本の文字</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+1"/>
        <source>見本の見た目</source>
        <translation>見本の見た目</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>見本の配置</source>
        <translation>見本の配置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>行</source>
        <translation>行</translation>
    </message>
</context>
<context>
    <name>fontedit::window::PixelButton</name>
    <message>
        <location filename="../src/window/pixel_button.cpp" line="+89"/>
        <source>列 %1 行 %2</source>
        <translation>列 %1 行 %2</translation>
    </message>
</context>
<context>
    <name>fontedit::window::TextPreview</name>
    <message>
        <location filename="../src/window/text_preview.cpp" line="+28"/>
        <source>見本</source>
        <translation>見本</translation>
    </message>
</context>
</TS>
