<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>zupel::PlayerText</name>
    <message>
        <source>おいしい！</source>
        <translation>Yummy!</translation>
    </message>
    <message>
        <source>喜んでいます</source>
        <translation>It is happy</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>画像ﾌｧｲﾙ|*.bmp;*.gif;*.jpg;*.ico;*.png;*.jpeg</source>
        <translation>Pictures|*.bmp;*.gif;*.jpg;*.ico;*.png;*.jpeg</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙを開く</source>
        <translation>Open a Picture</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>？</source>
        <translation>?</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>ー</source>
        <translation>~</translation>
    </message>
    <message>
        <source>大好き</source>
        <translation>Wuv you</translation>
    </message>
    <message>
        <source>元気？</source>
        <translation>You okay?</translation>
    </message>
    <message>
        <source>ねぇねぇ！</source>
        <translation>Hey hey!</translation>
    </message>
    <message>
        <source>おやすみ</source>
        <translation>Nighty night</translation>
    </message>
    <message>
        <source>おはよう</source>
        <translation>Mornin</translation>
    </message>
    <message>
        <source>こんにちは</source>
        <translation>Hewwo</translation>
    </message>
    <message>
        <source>こんばんは</source>
        <translation>Evenin</translation>
    </message>
    <message>
        <source>は</source>
        <translation>is</translation>
    </message>
    <message>
        <source>が</source>
        <translation>got</translation>
    </message>
    <message>
        <source>元気です</source>
        <translation>It is well</translation>
    </message>
    <message>
        <source>弱っています</source>
        <translation>It is weak</translation>
    </message>
    <message>
        <source>死んでしまいました</source>
        <translation>It has died</translation>
    </message>
    <message>
        <source>餌が必要です</source>
        <translation>It needs food</translation>
    </message>
    <message>
        <source>おなかすいた</source>
        <translation>Me hungwy</translation>
    </message>
    <message>
        <source>ストレスがたまっています</source>
        <translation>It is bored and stressed</translation>
    </message>
    <message>
        <source>あそんで</source>
        <translation>Pway wif me</translation>
    </message>
    <message>
        <source>餌のやりすぎで弱っています</source>
        <translation>It is weak from too much food</translation>
    </message>
    <message>
        <source>くすぐったい</source>
        <translation>Tickles!</translation>
    </message>
    <message>
        <source>ブニブニ</source>
        <translation>Squishy squishy</translation>
    </message>
    <message>
        <source>あそんで あそんで</source>
        <translation>Pway! Pway!</translation>
    </message>
    <message>
        <source>おやつ ちょうだい</source>
        <translation>Snack pwease</translation>
    </message>
    <message>
        <source>鈴！鈴！</source>
        <translation>Bell! Bell!</translation>
    </message>
    <message>
        <source>何日もほったらかしにしていたので､あなたのスライムは餓死してしまいました</source>
        <translation>You left your slime alone for days, and it has starved to death</translation>
    </message>
    <message>
        <source>劣悪な環境下においていたので、あなたのスライムは死んでしまいました</source>
        <translation>You kept your slime in a bad room, and it has died</translation>
    </message>
    <message>
        <source>あなたのスライムは死んでしまいました</source>
        <translation>Your slime has died</translation>
    </message>
    <message>
        <source>セーブファイルを扱えなかったので、ゲームを終了します。

ファイル: %1
操作: %2
理由: %3</source>
        <translation>A save file could not be used, so the game ends.

File: %1
Operation: %2
Reason: %3</translation>
    </message>
    <message>
        <source>ロックファイルを作れなかったので、ゲームを終了します。

ファイル: %1
理由: %2</source>
        <translation>The lock file could not be made, so the game ends.

File: %1
Reason: %2</translation>
    </message>
    <message>
        <source>スライムを保存するフォルダを作れなかったので、ゲームを終了します。

フォルダ: %1
理由: %2</source>
        <translation>The folder for the slime&apos;s save files could not be made, so the game ends.

Folder: %1
Reason: %2</translation>
    </message>
    <message>
        <source>スライムを冷凍して保存し、終了します</source>
        <translation>Freezes the slime, saves it and quits</translation>
    </message>
    <message>
        <source>次回立ち上げ時には自動的に解凍されます</source>
        <translation>It thaws by itself at the next start</translation>
    </message>
    <message>
        <source>ZUPEL ヘルプ</source>
        <translation>ZUPEL Help</translation>
    </message>
    <message>
        <source>ヘルプを表示できません。

ファイル: %1
理由: %2</source>
        <translation>The help cannot be shown.

File: %1
Reason: %2</translation>
    </message>
    <message>
        <source>「%1」はスライムの記録に使えない文字なので、入れられません</source>
        <translation>&quot;%1&quot; cannot be kept in the slime&apos;s record, so it was left out</translation>
    </message>
    <message>
        <source>スライムの部屋</source>
        <translation>The slime&apos;s room</translation>
    </message>
    <message>
        <source>スライムの言葉</source>
        <translation>What the slime says</translation>
    </message>
    <message>
        <source>餌をやる</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>遊んでやる</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>話しかける</source>
        <translation>Talk</translation>
    </message>
    <message>
        <source>模様替え</source>
        <translation>Redecorate</translation>
    </message>
    <message>
        <source>冷凍する</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>終了する</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>スライムの状態</source>
        <translation>The slime&apos;s state</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>年齢：</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>日</source>
        <translation>days</translation>
    </message>
    <message>
        <source>温度：</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>様子</source>
        <translation>How it is</translation>
    </message>
    <message>
        <source>話しかける言葉</source>
        <translation>Words to say</translation>
    </message>
    <message>
        <source>入力した言葉をスライムに話しかけます</source>
        <translation>Says the typed word to the slime</translation>
    </message>
    <message>
        <source>覚えられるのは全角10文字、半角20文字までです</source>
        <translation>The slime keeps only the first ten Japanese characters or twenty letters of a word</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>冷凍して終了(&amp;S)</source>
        <translation>Freeze and &amp;Save</translation>
    </message>
    <message>
        <source>模様替え(&amp;O)</source>
        <translation>Redec&amp;orate</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>日本語</source>
        <extracomment>The name of the language in the language itself: the same in every translation.</extracomment>
        <translation>日本語</translation>
    </message>
    <message>
        <source>名前：%1、年齢：%2日、温度：%3℃、%4</source>
        <translation>Name: %1, age: %2 days, temperature: %3 °C, %4</translation>
    </message>
    <message>
        <source>これから育てるスライムに名前をつけてあげて下さい</source>
        <translation>Give a name to the slime you will raise</translation>
    </message>
    <message>
        <source>スライムの名前</source>
        <translation>The slime&apos;s name</translation>
    </message>
    <message>
        <source>名前は全角5文字、半角10文字までです</source>
        <translation>A name keeps five Japanese characters or ten letters at most</translation>
    </message>
    <message>
        <source>部屋の色を変えるか、好きな画像をはりつけることが出来ます</source>
        <translation>Change the colour of the room, or put up a picture you like</translation>
    </message>
    <message>
        <source>背景色変更</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>File</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>選択色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>部屋を元に戻します</source>
        <translation>Puts the room back as it was</translation>
    </message>
    <message>
        <source>画像のパス</source>
        <translation>Path of the picture</translation>
    </message>
    <message>
        <source>%1℃</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Room Colour</translation>
    </message>
    <message>
        <source>部屋の模様替えを設定ファイルに書き込めませんでした。
次に起動したときは、前の部屋に戻ります。

ファイル: %1</source>
        <translation>The new room could not be written to the settings file.
At the next start the room is as it was before.

File: %1</translation>
    </message>
    <message>
        <source>言語の設定を設定ファイルに書き込めませんでした。
次に起動したときは、前の言語に戻ります。

ファイル: %1</source>
        <translation>The language could not be written to the settings file.
The next start speaks the language it spoke before.

File: %1</translation>
    </message>
    <message>
        <source>ゲームのフォルダに書き込めません。フォルダごと、書き込める場所（ドキュメントなど）へ移してから、そこで起動して下さい。</source>
        <translation>Nothing can be written in the game folder: move the whole folder somewhere you can write, such as your Documents folder, and start the game from there.</translation>
    </message>
    <message>
        <source>このフォルダには、ゲームの音とヘルプがありません。

ZIP ファイルの中から起動したときは、ゲームを終了して、ZIP ファイルの中のフォルダを丸ごと（ドキュメントなどへ）展開してから、展開したフォルダの zupel.exe を起動して下さい。ZIP ファイルの中から起動すると、スライムも一時フォルダに保存されて、あとで消えてしまいます。

このままでも遊べますが、音は鳴らず、ヘルプも開きません。</source>
        <translation>This folder does not hold the game&apos;s sounds and help.

If you started the game from inside the zip file, quit it, extract the whole folder inside the zip (to your Documents, for example) and start zupel.exe in the extracted folder. Started from inside the zip, the slime too is saved in a temporary folder and is later lost.

You can play on, but without sounds or help.</translation>
    </message>
    <message>
        <source>スライム</source>
        <translation>The slime</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>様子：%1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>お別れ</source>
        <translation>Farewell</translation>
    </message>
    <message>
        <source>ゲームのフォルダ（プログラムのある場所）が見つからないので、ゲームを終了します。

理由: %1</source>
        <translation>The game folder (where the program is) cannot be found, so the game ends.

Reason: %1</translation>
    </message>
    <message>
        <source>このスライムは別のコンピュータ（%1）で育てられているかもしれません。

そちらでゲームが動いていなければ、下のファイル（zupel.lock）を削除してから、もう一度起動して下さい。

ファイル: %2</source>
        <translation>This slime may be being raised on another computer (%1).

If the game is not running there, delete the file below (zupel.lock) and start the game again.

File: %2</translation>
    </message>
    <message>
        <source>スライムを冷凍して保存し、終了します。次回立ち上げ時には自動的に解凍されます</source>
        <translation>Freezes the slime, saves it and quits. It thaws by itself at the next start.</translation>
    </message>
    <message>
        <source>スライムをクリックするか、スペースキーを押すと、さわれます</source>
        <translation>Click the slime, or press Space, to touch it</translation>
    </message>
    <message>
        <source>名前をつける</source>
        <translation>Name your slime</translation>
    </message>
</context>
</TS>
