<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ja">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/window/export_dialog.cpp" line="+63"/>
        <source>列ごと（[96][5]）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ドット行ごと（[96][8]）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>名前 (--name):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>並び (--layout):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>最初の文字 (--first):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>倍率 (--scale):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>ビット 7 が上のドット (--msb-top)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ビット 7 が左のドット (--msb-left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVR のプログラムメモリに置く (--progmem)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>書き出し</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <location filename="../src/messages/catalogue.cpp" line="+17"/>
        <source>オーバーフローしました（{value}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>コード {code} は 0～100 の範囲にありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} が見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} が既にあります。置き換えるには --force を付けてください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} に書き込めません{reason}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} が途中で終わっています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} は書き込みが許可されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} を開けません{reason}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目に CP932 として読めないバイトがあります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{place} に CP932 で書けない文字があります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{place} にコンマ、改行または先頭の二重引用符があり、保存すると後の値がずれます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} が大きすぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>{file} は通常のファイルではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} は他人が書き込めるフォルダにある他人のシンボリックリンクです。たどりませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} はリンク先のないシンボリックリンクです。リンク先は作りませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} は書きかけです。元の内容は同じフォルダの {value} にあります{reason}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} は復元ファイルとして読めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の場所にシンボリックリンクがあります。たどりませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>フォルダ {file} は他人のものか、他人が書き込めます。復元ファイルは残しません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} に配列がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} に配列「{value}」がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目の配列は幅 {value} で、5 列のフォントではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} に 5 列のフォントに合う配列がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目の「{value}」は整数の定数ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目の「{value}」は 0xFF を超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目の「{value}」はリストの中の条件です。cpp -P で前処理してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{file} の {line} 行目で始まるリストが閉じていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目で始まるコメントが閉じていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の配列は {value} 個の値でグリフの途中で終わっています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の配列は {value} 個の値しかなく、オフセットがその先にあります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の行は配列の幅より長く、「{value}」が余ります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の #if 0 に #endif がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目の「{value}」で括弧の入れ子が深すぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目のグリフ表はフォントの {value} グリフに足りません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目のグリフ {value} はビットマップの外にはみ出しています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} の {line} 行目の表のグリフの並びが決められません。次のどれかを指定してください: {value}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目の表はどう読んでも 5×8 のグリフに収まりません（--crop で切り取れます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目の表はグリフごとに幅が違います。固定幅のフォントだけを読めます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目の添字「{value}」はフォントの範囲をはるかに超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は C の表、BDF・PCF フォント、PNG シート、gzip ファイル、480 バイトのバイナリのどれでもありません（先頭「{value}」）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} のコード {code} のグリフは 5×8 のセルに収まりません（--crop で切り取れます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} は BDF フォントではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {line} 行目の「{value}」の数値が正しくありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目のグリフ「{value}」は 5×8 のセルに収まりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目の「{value}」はグリフの幅のビットマップ行ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {line} 行目のグリフ「{value}」に ENDCHAR がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の {line} 行目のグリフ「{value}」はコード {code} のグリフと同じ ENCODING です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} に ENCODING {value} からの 96 文字のグリフがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} に ENCODING {code} からの 96 文字のグリフがありません（フォントの ENCODING は {value}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は PCF フォントではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の PCF の表「{value}」がファイルの終わりを越えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の PCF の表「{value}」がないか、正しくありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の gzip データが壊れているか、途中で終わっています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の gzip データの後、{value} バイト目から gzip でないバイトが続いています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は TrueType・OpenType フォントではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} を FreeType で読めません（{value}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の {value} 個のフェースのどれかを、0 から数えた番号で --face に指定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} に --size の大きさのビットマップがありません（あるのは {value} ピクセル）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} のアウトラインは 1 em {value} ピクセルではピクセルの格子に沿いません。--size で大きさを指定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{file} に {value} からの 96 文字のグリフがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{file} のビットマップのグリフ「{value}」は濃淡で描かれていて、ドットではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{place} の「{value}」は 1～2 桁の 16 進数ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>文字「{value}」のグリフがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PNG 画像を作れません（{value}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>グリフ 95 は文字 {code} になりますが、この形式は {value} までの文字しか持てません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の {value} フォントは途中で切れているか矛盾しています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{file} の LVGL フォントは 1 ピクセル {value} ビットです。読めるのは 1 ビットのフォントです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は PNG 画像ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の PNG 画像が途中で終わっています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の PNG 画像を読めません（{value}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の画像は {value} ピクセルです。シートは 114×62 ドットを 1～64 の整数倍にした大きさです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} の画像に 3 色目（{value}）があります。シートは明るい地に暗いドットの 2 色で描きます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{file} は PSF コンソールフォントではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} の PSF フォントの {value} が正しくないか、ファイルの終わりを越えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>貼り付けるテキストが 16 進数 5 バイト（例: 7C 12 11 12 7C）ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>フォルダ {path} を作れません{reason}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>標準出力に書き込めません{reason}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>処理に失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>フォルダ {folder} のファイル {name}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファイル {name}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>コード {code} の第 {column} 列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード {code} のラベル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>（{error}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>配列「{value}」を取り込みました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>表が途中で終わっています。最後のグリフ {code} 個は空です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>表が途中で終わっています。最後の {code} 個のグリフは空です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ENCODING {code} のグリフがないため、そのグリフは空です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>グリフ {code} 個がセルの外のドットを切り落とされました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>{code} 個のグリフがセルの外のドットを切り落とされました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>列ごとに 1 バイト（ビット {column} が上）、1 グリフ {code} バイトとして読みました（{value}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ドット行ごとに 1 バイト（ビット {column} が左）、1 グリフ {code} バイトとして読みました（{value}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{value} のグリフがないため、空白のセルで表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>警告: グリフ {code} 個が文字 ROM になく CGRAM が要りますが、CGRAM には 8 個しか入りません（コード {value}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>文字 {code} 個が {value} のパネルに収まらず、省きました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>{code} 個の文字が {value} のパネルに収まらず、省きました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/window/failure_message.cpp" line="+21"/>
        <source>エラー %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderActions</name>
    <message>
        <location filename="../src/window/folder_actions.cpp" line="+23"/>
        <source>フォルダを開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>最近のフォルダ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>フォルダ: %1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>未保存の変更があります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>変更はすべて保存済みです</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/window/import_dialog.cpp" line="+21"/>
        <source>取り込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>フォント (*.c *.h *.bdf *.pcf *.gz *.bin *.png *.ttf *.otf *.otb *.ttc *.psf);;すべてのファイル (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 の表がグリフをどう並べているか決められません。どの読み方で取り込みますか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <location filename="../src/window/layout.cpp" line="+15"/>
        <source>文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>←</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>→</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cヘッダ生成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/window/layout.h" line="+16"/>
        <source>8x8フォントエディタ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::Form1</name>
    <message>
        <location filename="../src/window/form1.cpp" line="+227"/>
        <source>保存されていない変更があります。変更を破棄してファイルから読み出しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+30"/>
        <location line="+52"/>
        <location line="+211"/>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-244"/>
        <source>フォルダ %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>保存されていない変更があります。終了する前に保存しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+30"/>
        <source>破棄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-150"/>
        <source>列 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>フォルダ %1 のファイル %2 は、最後の読出しか保存の後にほかのプログラムで変更されています。上書きしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上書き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>復元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>エラー: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>元に戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>やり直し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>コピー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>貼り付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>消去</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>白黒反転</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>上へずらす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>下へずらす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>左へずらす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>右へずらす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>左右反転</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+87"/>
        <source>一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>フォルダを開く…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り込み…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>書き出し…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>保存されていない変更があります。変更を破棄してフォルダ %1 を開きますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 を取り込みました。保存するまでファイルには書き込みません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 に書き出しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 に書き込みました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphOverview</name>
    <message>
        <location filename="../src/window/glyph_overview.cpp" line="+45"/>
        <source>一覧</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphPanel</name>
    <message>
        <location filename="../src/window/glyph_panel.cpp" line="+57"/>
        <location line="+1"/>
        <source>見本の文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+1"/>
        <source>見本の見た目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>見本の配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>行</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::PixelButton</name>
    <message>
        <location filename="../src/window/pixel_button.cpp" line="+89"/>
        <source>列 %1 行 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::TextPreview</name>
    <message>
        <location filename="../src/window/text_preview.cpp" line="+28"/>
        <source>見本</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
