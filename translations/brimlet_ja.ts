<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>曲げ部展開長</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>データ入力...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>内側曲げ半径 R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation>内側曲げ半径 R:</translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation>板厚 T:</translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>曲げ角度 A:</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>板厚 T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>曲げ角度 A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>曲げ部展開長を計算</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation>曲げ部展開長:</translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation variants="yes">
            <lengthvariant>中立軸の半径:</lengthvariant>
            <lengthvariant>中立軸:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>直角曲げ:</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>1 度あたり:</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>計算の詳細:</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>直角曲げ</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>中立軸</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>1 度あたり</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>Brimlet 5 について</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet バージョン 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>このソフトウェアは、工学系の学生と教員、そして現場の技術者を対象としています。複雑な工学計算を支援するため、多数の方程式ソルバーと多くの換算係数を備えています。</translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation>バージョン 5.0.0
Copyright (C) 2026 The Brimlet developers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CBrimletView</name>
    <message>
        <source>%1: the tools are in the menus (Alt)</source>
        <translation>%1: ツールはメニューにあります (Alt)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>アプリケーションを終了します。ドキュメントを保存するかどうか確認します</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>%1 について(&amp;A)</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>プログラムの情報、バージョン番号、著作権を表示します</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>ドキュメントを開けませんでした。</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>ドキュメントを保存できませんでした。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>数学(&amp;M)</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>直線の方程式</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>三平方の定理</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>二次方程式の解の公式</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>物理(&amp;P)</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>絶対不確かさ</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>曲げ部展開長</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>組合せ</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>順列</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>SI接頭語</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>化学(&amp;H)</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>周期表</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>天文学(&amp;A)</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>太陽系の惑星データ</translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation>電卓(&amp;U)</translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation>関数電卓</translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation>標準電卓</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>単位換算(&amp;C)</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>エネルギー</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>力</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>ローマ数字</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>仕事率</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>圧力</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>ラジアン</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>質量</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>Degrees</name>
    <message>
        <source>Temperature Converter</source>
        <translation>温度の換算</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>温度を入力...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>入力の単位を選択...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>Celcius</source>
        <translation>摂氏</translation>
    </message>
    <message>
        <source>Farengheit</source>
        <translation>華氏</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>ケルビン</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>First result</source>
        <translation>1 番目の結果</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>2 番目の結果</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>1 番目の結果の単位</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>2 番目の結果の単位</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>度/ラジアンの換算</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>度...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>ラジアン...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>ラジアン</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; 換算 &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>回転数...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>回転数</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>エネルギーの単位換算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>入力...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation variants="yes">
            <lengthvariant>ジュール</lengthvariant>
            <lengthvariant>J</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation variants="yes">
            <lengthvariant>エルグ</lengthvariant>
            <lengthvariant>erg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Calories</source>
        <translation variants="yes">
            <lengthvariant>カロリー</lengthvariant>
            <lengthvariant>cal</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Ft * Lb</source>
        <translation>ft * lb</translation>
    </message>
    <message>
        <source>kW * h</source>
        <translation>kW * h</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Ft*Lb</source>
        <translation>ft*lb</translation>
    </message>
    <message>
        <source>kW*h</source>
        <translation>kW*h</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation>図</translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation>力の単位換算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>入力...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation variants="yes">
            <lengthvariant>ニュートン</lengthvariant>
            <lengthvariant>N</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>ダイン</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation variants="yes">
            <lengthvariant>重量ポンド</lengthvariant>
            <lengthvariant>ポンド</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Tons</source>
        <translation variants="yes">
            <lengthvariant>米トン</lengthvariant>
            <lengthvariant>tn</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>直線の方程式</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>データ入力...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>点 1:</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>点 2:</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Point 1 X</source>
        <translation>点 1 X</translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation>点 1 Y</translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation>点 2 X</translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation>点 2 Y</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation variants="yes">
            <lengthvariant>直線の傾き:</lengthvariant>
            <lengthvariant>傾き:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>傾き</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>y切片 (点 1、点 2):</lengthvariant>
            <lengthvariant>y切片:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>距離:</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation>中点:            X</translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation>中点 X</translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation>中点 Y</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>注: 傾き = -9999999999 は定義されない場合です。</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>点 1 から求めた y切片</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>点 2 から求めた y切片</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>長さの単位換算</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>既知の値を入力し、単位を選択...</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Light-year</source>
        <translation>光年</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation variants="yes">
            <lengthvariant>メートル</lengthvariant>
            <lengthvariant>m</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation variants="yes">
            <lengthvariant>センチメートル</lengthvariant>
            <lengthvariant>cm</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Inches</source>
        <translation variants="yes">
            <lengthvariant>インチ</lengthvariant>
            <lengthvariant>in</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Feet</source>
        <translation variants="yes">
            <lengthvariant>フィート</lengthvariant>
            <lengthvariant>ft</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Miles</source>
        <translation variants="yes">
            <lengthvariant>マイル</lengthvariant>
            <lengthvariant>mi</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation variants="yes">
            <lengthvariant>キロメートル</lengthvariant>
            <lengthvariant>km</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation>光年</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Memory Managment</source>
        <translation>メモリ管理</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>メモリ 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>メモリ 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>メモリ 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Sto</translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>表示中の数値をメモリ 1 に格納します</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>表示中の数値をメモリ 2 に格納します</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>表示中の数値をメモリ 3 に格納します</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Rec</translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>メモリ 1 の数値を呼び出します</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>メモリ 2 の数値を呼び出します</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>メモリ 3 の数値を呼び出します</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation variants="yes">
            <lengthvariant>クリア</lengthvariant>
            <lengthvariant>C</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>x^2</source>
        <translation>x^2</translation>
    </message>
    <message>
        <source>x^3</source>
        <translation>x^3</translation>
    </message>
    <message>
        <source>x^y</source>
        <translation>x^y</translation>
    </message>
    <message>
        <source>sqrt</source>
        <translation>sqrt</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>n!</source>
        <translation>n!</translation>
    </message>
    <message>
        <source>Sin</source>
        <translation>sin</translation>
    </message>
    <message>
        <source>Cos</source>
        <translation>cos</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>tan</translation>
    </message>
    <message>
        <source>Csc</source>
        <translation>csc</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Cot</source>
        <translation>cot</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>BS</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>log</source>
        <translation>log</translation>
    </message>
    <message>
        <source>ceil</source>
        <translation>ceil</translation>
    </message>
    <message>
        <source>flo</source>
        <translation>flo</translation>
    </message>
    <message>
        <source>abs</source>
        <translation>abs</translation>
    </message>
    <message>
        <source>mod</source>
        <translation>mod</translation>
    </message>
    <message>
        <source>1/x</source>
        <translation>1/x</translation>
    </message>
    <message>
        <source>Unused key</source>
        <translation>未使用のキー</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>計算 (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>1 から 170 までの整数を入力してください</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>わかりにくいボタンの説明です！

[Sto] 表示中の数値をメモリ 1、2、3 のいずれかに格納します。
[Rec] メモリから数値を取り出して表示に戻します。
[MC] メモリを消去します。
[BS] 表示の最後の 1 文字を削除します（バックスペース）。
[CH] 履歴クリア ボタン：画面下部の履歴を消去します。

[OK] をクリックすると戻ります。</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>足す</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>引く</translation>
    </message>
    <message>
        <source>times</source>
        <translation>掛ける</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>割る</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>ローマ数字</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>ローマ数字の換算...</translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation variants="yes">
            <lengthvariant>ローマ数字:</lengthvariant>
            <lengthvariant>ローマ:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>ローマ数字</translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation variants="yes">
            <lengthvariant>アラビア数字:</lengthvariant>
            <lengthvariant>数値:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>アラビア数字</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>ローマ数字からアラビア数字へ</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>アラビア数字からローマ数字へ</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>数値は 1 から 3999 の範囲でなければなりません！</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>I から MMMCMXCIX までのローマ数字を入力してください。</translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation>元素周期表</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>He</source>
        <translation>He</translation>
    </message>
    <message>
        <source>Li</source>
        <translation>Li</translation>
    </message>
    <message>
        <source>Be</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Na</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>Mg</source>
        <translation>Mg</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Cl</source>
        <translation>Cl</translation>
    </message>
    <message>
        <source>Ar</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Ca</source>
        <translation>Ca</translation>
    </message>
    <message>
        <source>Sc</source>
        <translation>Sc</translation>
    </message>
    <message>
        <source>Ti</source>
        <translation>Ti</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Cr</source>
        <translation>Cr</translation>
    </message>
    <message>
        <source>Mn</source>
        <translation>Mn</translation>
    </message>
    <message>
        <source>Fe</source>
        <translation>Fe</translation>
    </message>
    <message>
        <source>Co</source>
        <translation>Co</translation>
    </message>
    <message>
        <source>Ni</source>
        <translation>Ni</translation>
    </message>
    <message>
        <source>Cu</source>
        <translation>Cu</translation>
    </message>
    <message>
        <source>Zn</source>
        <translation>Zn</translation>
    </message>
    <message>
        <source>Ga</source>
        <translation>Ga</translation>
    </message>
    <message>
        <source>Ge</source>
        <translation>Ge</translation>
    </message>
    <message>
        <source>As</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Se</source>
        <translation>Se</translation>
    </message>
    <message>
        <source>Br</source>
        <translation>Br</translation>
    </message>
    <message>
        <source>Kr</source>
        <translation>Kr</translation>
    </message>
    <message>
        <source>Rb</source>
        <translation>Rb</translation>
    </message>
    <message>
        <source>Sr</source>
        <translation>Sr</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Zr</source>
        <translation>Zr</translation>
    </message>
    <message>
        <source>Nb</source>
        <translation>Nb</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tc</source>
        <translation>Tc</translation>
    </message>
    <message>
        <source>Ru</source>
        <translation>Ru</translation>
    </message>
    <message>
        <source>Rh</source>
        <translation>Rh</translation>
    </message>
    <message>
        <source>Pd</source>
        <translation>Pd</translation>
    </message>
    <message>
        <source>Ag</source>
        <translation>Ag</translation>
    </message>
    <message>
        <source>Cd</source>
        <translation>Cd</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Sn</source>
        <translation>Sn</translation>
    </message>
    <message>
        <source>Sb</source>
        <translation>Sb</translation>
    </message>
    <message>
        <source>Te</source>
        <translation>Te</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Xe</source>
        <translation>Xe</translation>
    </message>
    <message>
        <source>Cs</source>
        <translation>Cs</translation>
    </message>
    <message>
        <source>Ba</source>
        <translation>Ba</translation>
    </message>
    <message>
        <source>La</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Hf</source>
        <translation>Hf</translation>
    </message>
    <message>
        <source>Ta</source>
        <translation>Ta</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Os</source>
        <translation>Os</translation>
    </message>
    <message>
        <source>Ir</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Pt</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Au</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Hg</source>
        <translation>Hg</translation>
    </message>
    <message>
        <source>Tl</source>
        <translation>Tl</translation>
    </message>
    <message>
        <source>Pb</source>
        <translation>Pb</translation>
    </message>
    <message>
        <source>Bi</source>
        <translation>Bi</translation>
    </message>
    <message>
        <source>Po</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>At</source>
        <translation>At</translation>
    </message>
    <message>
        <source>Rn</source>
        <translation>Rn</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>Ra</translation>
    </message>
    <message>
        <source>Ac</source>
        <translation>Ac</translation>
    </message>
    <message>
        <source>Rf</source>
        <translation>Rf</translation>
    </message>
    <message>
        <source>Db</source>
        <translation>Db</translation>
    </message>
    <message>
        <source>Sg</source>
        <translation>Sg</translation>
    </message>
    <message>
        <source>Bh</source>
        <translation>Bh</translation>
    </message>
    <message>
        <source>Hs</source>
        <translation>Hs</translation>
    </message>
    <message>
        <source>Mt</source>
        <translation>Mt</translation>
    </message>
    <message>
        <source>Ds</source>
        <translation>Ds</translation>
    </message>
    <message>
        <source>Rg</source>
        <translation>Rg</translation>
    </message>
    <message>
        <source>Cn</source>
        <translation>Cn</translation>
    </message>
    <message>
        <source>Nh</source>
        <translation>Nh</translation>
    </message>
    <message>
        <source>Fl</source>
        <translation>Fl</translation>
    </message>
    <message>
        <source>Mc</source>
        <translation>Mc</translation>
    </message>
    <message>
        <source>Lv</source>
        <translation>Lv</translation>
    </message>
    <message>
        <source>Ts</source>
        <translation>Ts</translation>
    </message>
    <message>
        <source>Og</source>
        <translation>Og</translation>
    </message>
    <message>
        <source>Ce</source>
        <translation>Ce</translation>
    </message>
    <message>
        <source>Pr</source>
        <translation>Pr</translation>
    </message>
    <message>
        <source>Nd</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Pm</source>
        <translation>Pm</translation>
    </message>
    <message>
        <source>Sm</source>
        <translation>Sm</translation>
    </message>
    <message>
        <source>Eu</source>
        <translation>Eu</translation>
    </message>
    <message>
        <source>Gd</source>
        <translation>Gd</translation>
    </message>
    <message>
        <source>Tb</source>
        <translation>Tb</translation>
    </message>
    <message>
        <source>Dy</source>
        <translation>Dy</translation>
    </message>
    <message>
        <source>Ho</source>
        <translation>Ho</translation>
    </message>
    <message>
        <source>Er</source>
        <translation>Er</translation>
    </message>
    <message>
        <source>Tm</source>
        <translation>Tm</translation>
    </message>
    <message>
        <source>Yb</source>
        <translation>Yb</translation>
    </message>
    <message>
        <source>Lu</source>
        <translation>Lu</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Np</source>
        <translation>Np</translation>
    </message>
    <message>
        <source>Pu</source>
        <translation>Pu</translation>
    </message>
    <message>
        <source>Am</source>
        <translation>Am</translation>
    </message>
    <message>
        <source>Cm</source>
        <translation>Cm</translation>
    </message>
    <message>
        <source>Bk</source>
        <translation>Bk</translation>
    </message>
    <message>
        <source>Cf</source>
        <translation>Cf</translation>
    </message>
    <message>
        <source>Es</source>
        <translation>Es</translation>
    </message>
    <message>
        <source>Fm</source>
        <translation>Fm</translation>
    </message>
    <message>
        <source>Md</source>
        <translation>Md</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Lr</source>
        <translation>Lr</translation>
    </message>
    <message>
        <source>LANTHANIDES</source>
        <translation>ランタノイド</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>アクチノイド</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>元素のデータ:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>記号:</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>元素記号</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>原子量:</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>原子量</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>原子番号:</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>原子番号</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1、原子番号 %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>順列</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>P(n, r) のデータを入力:</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>順列の結果:</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>n:</source>
        <translation>n:</translation>
    </message>
    <message>
        <source>r:</source>
        <translation>r:</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>図を表示</translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation>%1 - 図</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>図をコピー</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>図に名前を付けて保存...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>図に名前を付けて保存</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>%1 に書き込めません (%2)。</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>惑星の主な特性</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>惑星を選択...</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>水星</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>金星</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>地球</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>火星</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>木星</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>土星</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>天王星</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>海王星</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>冥王星</translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation>惑星のデータ...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation>太陽からの平均距離、10^6 km:</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>太陽からの平均距離、10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>公転周期、年:</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>公転周期、年</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>自転周期、日:</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>自転周期、日</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation>公転速度、km/s:</translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>公転速度、km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation>赤道直径、km:</translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>赤道直径、km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>質量 (地球=1):</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>質量 (地球=1)</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>密度 (水=1):</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>密度 (水=1)</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation>重力加速度 (g):</translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>重力加速度 (g)</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation>脱出速度、km/s:</translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>脱出速度、km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>既知の衛星数:</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>既知の衛星数</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>IAU 小惑星センターによる 2025 年 3 月 11 日時点の数</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>注:</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  金星、天王星、冥王星は公転と逆向きに自転しています。</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  重力加速度 (g) は惑星の赤道での値です。</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  衛星数は IAU 小惑星センターによる 2025 年 3 月 11 日時点の集計です。</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>仕事率の単位換算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>入力...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation>馬力</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>ワット</translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation>ft*lb/s</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>SI接頭語</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>10 の指数を入力...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>出力...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>乗数:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation variants="yes">
            <lengthvariant>接頭語:</lengthvariant>
            <lengthvariant>名称:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>記号:</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>乗数</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>接頭語</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation>キーパッド入力...</translation>
    </message>
    <message>
        <source>10 ^ 1</source>
        <translation>10 ^ 1</translation>
    </message>
    <message>
        <source>10 ^ 2</source>
        <translation>10 ^ 2</translation>
    </message>
    <message>
        <source>10 ^ 3</source>
        <translation>10 ^ 3</translation>
    </message>
    <message>
        <source>10 ^ 6</source>
        <translation>10 ^ 6</translation>
    </message>
    <message>
        <source>10 ^ 9</source>
        <translation>10 ^ 9</translation>
    </message>
    <message>
        <source>10 ^ 12</source>
        <translation>10 ^ 12</translation>
    </message>
    <message>
        <source>10 ^ 15</source>
        <translation>10 ^ 15</translation>
    </message>
    <message>
        <source>10 ^ 18</source>
        <translation>10 ^ 18</translation>
    </message>
    <message>
        <source>10 ^ 21</source>
        <translation>10 ^ 21</translation>
    </message>
    <message>
        <source>10 ^ 24</source>
        <translation>10 ^ 24</translation>
    </message>
    <message>
        <source>Plus / Minus</source>
        <translation>プラス / マイナス</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>10 の指数</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>フィールドに入力した 10 の指数に対応する接頭語を検索します</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>キーパッドで設定した 10 の指数に対応する接頭語を検索します</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>圧力の単位換算</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>データ入力...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Atm</source>
        <translation>atm</translation>
    </message>
    <message>
        <source>mm Hg</source>
        <translation>mmHg</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>Torr</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>KPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>N/(m sq.)</source>
        <translation>N/m²</translation>
    </message>
    <message>
        <source>Atmospheres (Atm)</source>
        <translation>気圧 (atm)</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation>水銀柱ミリメートル (mmHg)</translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>パスカル (Pa)</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>キロパスカル (kPa)</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation>ニュートン毎平方メートル (N/m²)</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation>三平方の定理</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>辺 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>辺 2</translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation>斜辺</translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation variants="yes">
            <lengthvariant>直角をはさむ辺 1:</lengthvariant>
            <lengthvariant>辺 1:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation variants="yes">
            <lengthvariant>直角をはさむ辺 2:</lengthvariant>
            <lengthvariant>辺 2:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation>斜辺:</translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation>斜辺を求める</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>辺を求める</translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation>ピタゴラス数か調べる</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>既知の値を入力...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>オプション...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>二次方程式の解の公式</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>方程式の係数を入力...</translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation>係数 a</translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation>係数 b</translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation>係数 c</translation>
    </message>
    <message>
        <source>X ²</source>
        <translation>X ²</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation>1 番目の x の値</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>と       X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>2 番目の x の値</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>x を求める</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>= 0</source>
        <translation>= 0</translation>
    </message>
</context>
<context>
    <name>ResultAnnouncer</name>
    <message>
        <source>blank</source>
        <translation>空白</translation>
    </message>
</context>
<context>
    <name>SimpleCalc</name>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>BS</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>足す</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>引く</translation>
    </message>
    <message>
        <source>times</source>
        <translation>掛ける</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>割る</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>速度の単位換算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>入力...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>ft/s</source>
        <translation>ft/s</translation>
    </message>
    <message>
        <source>mi/h</source>
        <translation>mi/h</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>計算過程を表示</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - 計算過程</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>計算過程</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>計算過程を更新しました</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>まだボタンが押されていません。次に押したボタンの計算過程がここに表示されます。</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>組合せ</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>C(n, r) のデータを入力:</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>組合せの結果:</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>n:</source>
        <translation>n:</translation>
    </message>
    <message>
        <source>r:</source>
        <translation>r:</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>時間の単位換算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>入力...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation variants="yes">
            <lengthvariant>秒 (s)</lengthvariant>
            <lengthvariant>秒</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation variants="yes">
            <lengthvariant>時間 (h)</lengthvariant>
            <lengthvariant>時間</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>か月</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>すべてのフィールドをコピー</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>キー: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>キー: %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Copy Field in the window&apos;s context menu (Shift+F10) copies it</source>
        <translation>ウィンドウのコンテキスト メニュー (Shift+F10) の「フィールドをコピー」でコピーできます</translation>
    </message>
    <message>
        <source>Copy Field</source>
        <translation>フィールドをコピー</translation>
    </message>
    <message>
        <source>%1 fields copied</source>
        <translation>%1 個のフィールドをコピーしました</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 をコピーしました</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>絶対不確かさの計算</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>1 番目の値</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>1 番目の値の相対不確かさ (%)</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>2 番目の値</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>2 番目の値の絶対不確かさ</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>絶対不確かさを計算</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>相対不確かさ (%) を計算</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>データ入力...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>結果...</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation>質量の単位換算</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>値を入力して単位を選択:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Oz</source>
        <translation>oz</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>出力:</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation variants="yes">
            <lengthvariant>グラム</lengthvariant>
            <lengthvariant>g</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>キログラム</lengthvariant>
            <lengthvariant>kg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation variants="yes">
            <lengthvariant>ポンド</lengthvariant>
            <lengthvariant>lb</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation variants="yes">
            <lengthvariant>オンス</lengthvariant>
            <lengthvariant>oz</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>度 = %1 &gt; 0 なので、度をラジアンに換算します（π は 3.14 とします）</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>ラジアン = 度 × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>度 = %1 は 0 より大きくなく、ラジアン = %2 &gt; 0 なので、ラジアンを度に換算します（π は 3.14 とします）</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>度 = ラジアン × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>度（%1）もラジアン（%2）も 0 より大きくありません：換算は行いません</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>回転数 = ラジアン × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1（%2 の先頭にある整数。ない場合は 0）</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 は 1 から 3999 の範囲にありません：「数値は 1 から 3999 の範囲でなければなりません！」と表示し、両方のフィールドを空にします</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>文字グループごとに、残りを超えない最大の値を取ります：</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>ローマ数字 = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>%1 の文字グループを大きいものから順に足し合わせます：</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>「I から MMMCMXCIX までのローマ数字を入力してください。」</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>アラビア数字 = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%1 − %2 = %3 が残る（%4 を取る。%5 ≥ %6）</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%1 + %2 = %3（%4（%5）を加える）</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>%1 の合計は %2 ですが、%3 は別の書き方になります：標準的なローマ数字ではありません</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>%1 は値を取り終えても文字が余ります：標準的なローマ数字ではありません</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1：%2 は数値ではありません：「数値を入力してください。」読み取りはここで止まり、このフィールドとそれ以降のフィールドは元の値のままです</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1：%2 は整数ではありません：「整数を入力してください。」読み取りはここで止まり、このフィールドとそれ以降のフィールドは元の値のままです</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1：%2 は先頭の数値を取って %3 と読み取ります</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1：%2 は先頭の整数を取って %3 と読み取ります</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>… 1 画面に収めるため、残りの %1 ステップを省略しました</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>すべてのフィールドをクリアします：数値は 0 に、テキストは空にします</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>%1 が %2 です：半径は負にできません。</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>%1 が %2 です：板厚は 0 より大きくなければなりません。</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>%1 が %2 です：描く曲げがありません。</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>%1 が %2 です：1 回転以上の曲げは板自身と重なってしまいます。</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>曲げ半径に対して板が薄すぎるため、描けません。</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>「%1」フィールドの値は %2 です。中立軸は内側から板厚の 3 分の 1 の位置に描いています。</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>展開長 %1</translation>
    </message>
    <message>
        <source>R %1</source>
        <translation>R %1</translation>
    </message>
    <message>
        <source>T %1</source>
        <translation>T %1</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>中立軸</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>中立軸（破線）に沿った曲げ部展開長 %1、半径 %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>板厚 %1 の板を %2 度、内側半径 %3 で曲げた図。中立軸の半径 %4、中立軸に沿った曲げ部展開長 %5</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>描くものがありません。</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>数値の差が大きすぎて、縮尺どおりに描けません。</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>%1 は空で、数値ではありません：描くものがありません。</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>%1 は %2 で、数値ではありません：描くものがありません。</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>%1 は %2 で、無限大の値です：描けません。</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>%1 は %2 です：大きすぎて縮尺どおりに描けません。</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>2 点とも %1 です：直線を決めるには異なる 2 点が必要です。</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>原点からの距離に比べて 2 点が近すぎるため、離して描けません。</translation>
    </message>
    <message>
        <source>Point 1 %1</source>
        <translation>点 1 %1</translation>
    </message>
    <message>
        <source>Point 2 %1</source>
        <translation>点 2 %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>距離 %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>中点 (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>中点 %1 は図の範囲外です。</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>垂直な直線：傾きは定義されず（%1）、y切片はありません。</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>傾き %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>y切片 %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 %2 は図の範囲外です。</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>x切片 %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>%1 と %2 を通る垂直な直線。傾きは定義されない。距離 %3、中点 %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>%1 と %2 を通る直線。傾き %3、y切片 %4、距離 %5、中点 %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>%1 が %2 です：二次方程式ではないため、描く放物線がありません。</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 %2 は現在の方程式の解ではありません。</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>放物線の数値が大きすぎて、縮尺どおりに描けません。</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>原点からの距離に比べて放物線の幅が狭すぎるため、縮尺どおりに描けません。</translation>
    </message>
    <message>
        <source>vertex (%1)</source>
        <translation>頂点 (%1)</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>No real x-value: the parabola does not meet the x axis.</source>
        <translation>実数の x がありません：放物線は x 軸と交わりません。</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>実数の x なし</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>x はまだ求めていません</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>x は 1 つ：%1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>x の値 %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>下に凸の放物線（上に開く）。%1。頂点は %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>上に凸の放物線（下に開く）。%1。頂点は %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>%1 が %2 です：直角三角形では直角をはさむ 2 辺がともに 0 より大きくなければなりません。</translation>
    </message>
    <message>
        <source>Side 1: %1</source>
        <translation>辺 1: %1</translation>
    </message>
    <message>
        <source>Side 2: %1</source>
        <translation>辺 2: %1</translation>
    </message>
    <message>
        <source>%1 field shows nothing; the sides make it %2.</source>
        <translation>「%1」フィールドは空です。2 辺から求めると %2 になります。</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>「%1」フィールドの値は %2 です。2 辺から求めると %3 になります。</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>斜辺: %1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>直角三角形。辺 %1 と %2、斜辺 %3、2 辺の間が直角</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>数直線</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1。1 番目の値 %2、%3 から %4 まで</translation>
    </message>
    <message>
        <source>%1; second value %2, from %3 to %4</source>
        <translation>%1。2 番目の値 %2、%3 から %4 まで</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>結果: %1</translation>
    </message>
    <message>
        <source>Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the sheet</source>
        <translation>半径 R = %1、板厚 T = %2、角度 A = %3°。中立軸は内側から T の 3 分の 1 の位置にあります</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>中立軸 = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>直角曲げ = 中立軸 × 1.5708（π/2 を小数第 4 位まで）= %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>1 度あたり = 直角曲げ ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>曲げ部展開長 = 1 度あたり × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4（因数 %5 個）= %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>ここから先、積は %1 です：残りの因数（%2）は符号を変えるだけなので、%3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>ここから先、積は %1 で、カウントは 1 まで下がりません（1 を引いても値が変わらないため）：残りの因数は符号を変えるだけなので、%2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>(x₁, y₁) = (%1, %2) と (x₂, y₂) = (%3, %4) を通る直線</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>x の差 x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>x の差が 0：直線は垂直で、傾きはありません。プログラムは代わりに %1 を格納します</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>y の差 y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>y の差が 0：直線は水平で、傾き m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>傾き m = y の差 ÷ x の差 = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>点 1 から求めた y切片: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>点 2 から求めた y切片: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>どちらも格納された %1 を傾きとして使っています：垂直な直線は、y 軸そのものでない限り y切片を持ちません</translation>
    </message>
    <message>
        <source>Δx = x₂ − x₁ = %1 − %2 = %3</source>
        <translation>Δx = x₂ − x₁ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>Δy = y₂ − y₁ = %1 − %2 = %3</source>
        <translation>Δy = y₂ − y₁ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>Distance = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</source>
        <translation>距離 = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
    </message>
    <message>
        <source>Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>中点 X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>中点 Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, r = %2</source>
        <translation>P(n, r) = n × (n − 1) × …（カウント r が 1 より大きい間、1 回ごとに因数を 1 つ増やす）。n = %1、r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 は 1 より大きくありません：n の後に因数はないので、P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>20 個の SI 接頭語（24, 21, …, 3, 2, 1, -1, -2, -3, …, -24）から 10^%1 を探します</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>10^%1 は %2、記号は %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>10^%1 に当たる接頭語はありません：接頭語と記号は「無効」</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>乗数 = %1（検索した指数）</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>%1 の符号を反転した値は、このフィールドで扱える整数の範囲外です：%2 のままです</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>10 の指数 = −(%1) = %2。検索は行いません</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>10 の指数 = %1（%2）。検索は行いません</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>斜辺 c = √(a² + b²)、ここで辺 a = %1、b = %2</translation>
    </message>
    <message>
        <source>a² + b² = %1 × %2 + %3 × %4 = %5 + %6 = %7</source>
        <translation>a² + b² = %1 × %2 + %3 × %4 = %5 + %6 = %7</translation>
    </message>
    <message>
        <source>c = √%1 = %2</source>
        <translation>c = √%1 = %2</translation>
    </message>
    <message>
        <source>%1 %2 = %3 is above 0, so %4 %5 = √(c² − %6²), with c = %7</source>
        <translation>%1 %2 = %3 は 0 より大きいので、%4 %5 = √(c² − %6²)、ここで c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 は 0 より小さい：辺が斜辺より長く、このような直角三角形はありません。√%2 は実数ではなく、フィールドには %3 と表示されます</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>どちらの辺も 0 より大きくありません（辺 1 = %1、辺 2 = %2）：「データが入力されていません。」</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>a² + b² = c² がちょうど成り立てば直角三角形の 3 辺です：a = %1、b = %2、c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2：「はい、ピタゴラス数です！」</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2：「いいえ、ピタゴラス数ではありません！」</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0、ここで a = %1、b = %2、c = %3：x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 は 0 より小さい：方程式を満たす実数 x はありません。√%2 は数ではなく、x₁ と x₂ も同様で、%3 と表示されます</translation>
    </message>
    <message>
        <source>√%1 = %2</source>
        <translation>√%1 = %2</translation>
    </message>
    <message>
        <source>2a = %1 + %2 = %3</source>
        <translation>2a = %1 + %2 = %3</translation>
    </message>
    <message>
        <source>2a is 0: a = 0 makes it no quadratic, and x₁, x₂ divide by zero</source>
        <translation>2a が 0：a = 0 では二次方程式にならず、x₁、x₂ の計算は 0 で割ることになります</translation>
    </message>
    <message>
        <source>x₁ = (−b + √(b² − 4ac)) ÷ 2a = (%1 + %2) ÷ %3 = %4</source>
        <translation>x₁ = (−b + √(b² − 4ac)) ÷ 2a = (%1 + %2) ÷ %3 = %4</translation>
    </message>
    <message>
        <source>x₂ = (−b − √(b² − 4ac)) ÷ 2a = (%1 − %2) ÷ %3 = %4</source>
        <translation>x₂ = (−b − √(b² − 4ac)) ÷ 2a = (%1 − %2) ÷ %3 = %4</translation>
    </message>
    <message>
        <source>C(n, r) = n! ÷ (r! × (n − r)!), with n = %1 and r = %2</source>
        <translation>C(n, r) = n! ÷ (r! × (n − r)!)、ここで n = %1、r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>ここで x! = x × (x − 1) × … は 1 以下になる最初の因数まで掛けたもので、x が 1 以下のときは x 自身です</translation>
    </message>
    <message>
        <source>n − r = %1 − %2 = %3</source>
        <translation>n − r = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>C = n! ÷ (r! × (n − r)!) = %1 ÷ (%2 × %3) = %4 ÷ %5 = %6</source>
        <translation>C = n! ÷ (r! × (n − r)!) = %1 ÷ (%2 × %3) = %4 ÷ %5 = %6</translation>
    </message>
    <message>
        <source>r! × (n − r)! is 0 (a factor of 0 or below gives itself here): the division by zero gives %1</source>
        <translation>r! × (n − r)! が 0（ここでは 0 以下の数の階乗はその数自身）：0 で割った結果は %1 です</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2（%3 は 1 以下のため）</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>絶対不確かさ = (パーセント ÷ 100) × 値、ここで値は %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>相対不確かさ (%) = (絶対不確かさ ÷ 値) × 100、ここで値は %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>値が 0：0 に対する割合は求められません。%1 ÷ 0 は %2 で、結果も同じです</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>アプリケーションの内部エラーです。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>%1 は「%2」で、数値ではありません：描くものがありません。</translation>
    </message>
    <message>
        <source>%1 ± %2 %</source>
        <translation>%1 ± %2 %</translation>
    </message>
    <message>
        <source>%1 ± %2</source>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>データが入力されていません。</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>はい、ピタゴラス数です！</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>いいえ、ピタゴラス数ではありません！</translation>
    </message>
</context>
</TS>
