<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>折弯余量</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>输入数据...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>内侧折弯半径 R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation>内侧折弯半径 R：</translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation>板厚 T：</translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>折弯角度 A：</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>板厚 T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>折弯角度 A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>计算折弯余量</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation>折弯余量：</translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation variants="yes">
            <lengthvariant>中性层半径：</lengthvariant>
            <lengthvariant>中性层：</lengthvariant>
        </translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>直角折弯：</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>每度：</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>计算详情：</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>直角折弯</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>中性层</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>每度</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>关于 Brimlet 5</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet 版本 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>本软件面向工科学生和教师以及工程技术人员。程序包含多种方程求解器和大量单位换算系数，可辅助完成复杂的工程计算任务。</translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation>版本 5.0.0
Copyright (C) 2026 The Brimlet developers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CBrimletView</name>
    <message>
        <source>%1: the tools are in the menus (Alt)</source>
        <translation>%1：各工具位于菜单中（Alt）</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>退出应用程序；提示保存文档</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>关于 %1(&amp;A)</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权信息</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>无法打开文档。</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>无法保存文档。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>数学(&amp;M)</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>直线方程</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>勾股定理</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>一元二次方程求根公式</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>物理(&amp;P)</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>绝对不确定度</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>折弯余量</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>组合</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>排列</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>SI 词头</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>化学(&amp;H)</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>元素周期表</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>天文学(&amp;A)</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>太阳系行星数据</translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation>计算器(&amp;U)</translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation>科学计算器</translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation>简易计算器</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>单位换算(&amp;C)</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>能量</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>力</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>罗马数字</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>弧度</translation>
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
        <translation>时间</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>质量</translation>
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
        <translation>温度换算</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>输入温度...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>选择输入单位...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
    <message>
        <source>Celcius</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>Farengheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>开尔文</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
    <message>
        <source>First result</source>
        <translation>第一个结果</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>第二个结果</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>第一个结果的单位</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>第二个结果的单位</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>角度/弧度换算</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>角度...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>弧度...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>弧度</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; 换算 &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>转数...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>转数</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>能量单位换算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>输入...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>焦耳</translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation>尔格</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>卡路里</translation>
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
        <translation>结果...</translation>
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
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation>图形</translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation>力单位换算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>输入...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>牛顿</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>达因</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>磅力</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation variants="yes">
            <lengthvariant>短吨力</lengthvariant>
            <lengthvariant>短吨</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>直线方程</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>输入数据...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>点 1：</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>点 2：</translation>
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
            <lengthvariant>直线斜率：</lengthvariant>
            <lengthvariant>斜率：</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>斜率</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>纵截距（点 1、点 2）：</lengthvariant>
            <lengthvariant>纵截距：</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>距离：</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation>中点：          X</translation>
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
        <translation>计算</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>注：斜率 = -9999999999 表示斜率不存在。</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>过点 1 的纵截距</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>过点 2 的纵截距</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>长度单位换算</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>输入已知值并选择其单位...</translation>
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
        <translation>米</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>英尺</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation variants="yes">
            <lengthvariant>英里 (mi)</lengthvariant>
            <lengthvariant>英里</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>千米</translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation>光年</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示屏</translation>
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
        <translation>存储器管理</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>存储器 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>存储器 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>存储器 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Sto</translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>将显示的数存入存储器 1</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>将显示的数存入存储器 2</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>将显示的数存入存储器 3</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Rec</translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>调出存储器 1 中的数</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>调出存储器 2 中的数</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>调出存储器 3 中的数</translation>
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
            <lengthvariant>清除显示</lengthvariant>
            <lengthvariant>清除</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
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
        <translation>退格</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
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
        <translation>未使用的按键</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>计算 (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>请输入 1 到 170 之间的整数</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>“不太直观”的按键说明：

[Sto] 将显示的数存入存储器 1、2 或 3。
[Rec] 从存储器中取出数，放回显示屏。
[MC] 清除各存储器。
[退格] 删除显示屏上的最后一个字符（即退格键）。
[CH] 清除历史记录按键——删除窗口底部的历史记录。

单击 [确定] 返回。</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
    </message>
    <message>
        <source>times</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>除以</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>罗马数字</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>罗马数字换算...</translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation variants="yes">
            <lengthvariant>罗马数字：</lengthvariant>
            <lengthvariant>罗马:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>罗马数字</translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation variants="yes">
            <lengthvariant>阿拉伯数字：</lengthvariant>
            <lengthvariant>阿拉伯:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>阿拉伯数字</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>罗马数字转为阿拉伯数字</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>阿拉伯数字转为罗马数字</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>数字必须在 1 到 3999 之间！</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>请输入 I 到 MMMCMXCIX 之间的罗马数字。</translation>
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
        <translation>镧系元素</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>锕系元素</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>元素数据：</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>符号：</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>相对原子质量：</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>相对原子质量</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>原子序数：</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>原子序数</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1，原子序数 %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>排列</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>输入 P(n, r) 的数据：</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>排列结果：</translation>
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
        <translation>结果</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>显示图形</translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation>%1 - 图形</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>复制图形</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>图形另存为...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>图形另存为</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>无法写入 %1（%2）。</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>行星的主要特性</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>选择行星...</translation>
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
        <translation>行星数据...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation>距太阳平均距离，10^6 km：</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>距太阳平均距离，10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>公转周期，年：</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>公转周期，年</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>自转周期，天：</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>自转周期，天</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation>轨道速度，km/s：</translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>轨道速度，km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation>赤道直径，km：</translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>赤道直径，km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>质量（地球=1）：</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>质量（地球=1）</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>密度（水=1）：</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>密度（水=1）</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation>重力加速度（g）：</translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>重力加速度（g）</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation>逃逸速度，km/s：</translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>逃逸速度，km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>已知卫星数：</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>已知卫星数</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>IAU 小行星中心 2025 年 3 月 11 日的统计数</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>注：</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  金星、天王星和冥王星的自转方向与其公转方向相反。</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  重力加速度（g）为行星赤道处的值。</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  卫星数依据 IAU 小行星中心 2025 年 3 月 11 日的统计。</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>功率单位换算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>输入...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation>马力</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>瓦特</translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation>ft*lb/s</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>SI 词头</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>输入 10 的指数...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>输出...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>因数：</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>词头：</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>符号：</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>因数</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>词头</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation>按键输入...</translation>
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
        <translation>正 / 负</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>10 的指数</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>查找与输入框中键入的 10 的指数相对应的词头</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>查找与用按键设定的 10 的指数相对应的词头</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>压力单位换算</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>输入数据...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
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
        <translation>标准大气压（atm）</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation>毫米汞柱（mmHg）</translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>帕斯卡（Pa）</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>千帕（kPa）</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation>牛顿每平方米（N/m²）</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation>勾股定理</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>直角边 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>直角边 2</translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation>斜边</translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation variants="yes">
            <lengthvariant>直角边 1：</lengthvariant>
            <lengthvariant>边 1：</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation variants="yes">
            <lengthvariant>直角边 2：</lengthvariant>
            <lengthvariant>边 2：</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation>斜边：</translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation>求斜边</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>求直角边</translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation>检验是否为勾股数</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示信息</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>输入已知值...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>选项...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>一元二次方程求根公式</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>输入方程的各项系数...</translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation>系数 a</translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation>系数 b</translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation>系数 c</translation>
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
        <translation>结果...</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation>第一个 x 值</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>和       X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>第二个 x 值</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>求 x 的值</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
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
        <translation>计算器</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示屏</translation>
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
        <translation>清除</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
    </message>
    <message>
        <source>times</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>除以</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>速度单位换算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>输入...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
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
        <translation>结果...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>显示计算步骤</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - 计算步骤</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>计算步骤</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>计算步骤已更新</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>尚未按下任何按钮：下次按下按钮后，计算步骤将显示在这里。</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>组合</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>输入 C(n, r) 的数据：</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>组合结果：</translation>
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
        <translation>结果</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>时间单位换算</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>输入...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
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
        <translation>分钟</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation variants="yes">
            <lengthvariant>小时 (h)</lengthvariant>
            <lengthvariant>小时</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>复制所有字段</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>按键：%1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>按键：%1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
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
        <translation>可用窗口右键菜单（Shift+F10）中的“复制字段”复制它</translation>
    </message>
    <message>
        <source>Copy Field</source>
        <translation>复制字段</translation>
    </message>
    <message>
        <source>%1 fields copied</source>
        <translation>已复制 %1 个字段</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>已复制 %1</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>绝对不确定度计算</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>第一个值</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>第一个值的相对不确定度（%）</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>第二个值</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>第二个值的绝对不确定度</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>计算绝对不确定度</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>计算相对不确定度（%）</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
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
        <translation>输入数据...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>结果...</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation>质量单位换算</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>输入数据并选择单位：</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
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
        <translation>输出：</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation variants="yes">
            <lengthvariant>克 (g)</lengthvariant>
            <lengthvariant>克</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>千克 (kg)</lengthvariant>
            <lengthvariant>千克</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>磅</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>盎司</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>角度 = %1 &gt; 0，因此将角度换算为弧度，π 取 3.14</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>弧度 = 角度 × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>角度 = %1 不大于 0，而弧度 = %2 &gt; 0，因此将弧度换算为角度，π 取 3.14</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>角度 = 弧度 × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>角度（%1）和弧度（%2）都不大于 0：不进行换算</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>转数 = 弧度 × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1，即 %2 开头的整数（没有时为 0）</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 不在 1 到 3999 之间：“数字必须在 1 到 3999 之间！”，两个字段均被清空</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>按字母组逐一取不超过剩余值的最大值：</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>罗马数字 = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>将 %1 的各字母组从大到小依次相加：</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>“请输入 I 到 MMMCMXCIX 之间的罗马数字。”</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>阿拉伯数字 = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%1 − %2 = %3（剩余），取 %4（%5 ≥ %6）</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%1 + %2 = %3，加上 %4（%5）</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>%1 相加得 %2，但 %3 的标准写法不是这样：不是规范的罗马数字</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>%1 取完各值后仍有多余的字母：不是规范的罗马数字</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1：%2 不是数字：“请输入一个数字。”读取到此停止；此字段及其后的字段保持原值</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1：%2 不是整数：“请输入一个整数。”读取到此停止；此字段及其后的字段保持原值</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1：%2 读作 %3，即其开头的数</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1：%2 读作 %3，即其开头的整数</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>……另有 %1 个步骤未列出，以便在一屏内显示</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>所有字段均已清除：数字归 0，文本清空</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>%1 为 %2：半径不能为负。</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>%1 为 %2：板厚必须大于 0。</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>%1 为 %2：没有可绘制的折弯。</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>%1 为 %2：折弯达到一整圈或以上时会与自身重叠。</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>相对于折弯半径，板材太薄，无法绘制。</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>“%1”字段显示 %2；中性层画在距内侧三分之一板厚处。</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>折弯余量 %1</translation>
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
        <translation>中性层</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>沿中性层（虚线）的折弯余量 %1，半径 %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>厚度为 %1 的板材折弯 %2 度，内侧半径 %3；中性层半径 %4；沿中性层的折弯余量 %5</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>没有可绘制的内容。</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>各数值相差太大，无法按比例绘制。</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>%1 为空，不是数字：没有可绘制的内容。</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>%1 为 %2，不是数字：没有可绘制的内容。</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>%1 为 %2，是无穷大值：无法绘制。</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>%1 为 %2：数值太大，无法按比例绘制。</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>两个点都是 %1：确定一条直线需要两个不同的点。</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>相对于两点到原点的距离，两点靠得太近，无法分开绘制。</translation>
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
        <translation>距离 %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>中点 (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>中点 %1 不在图形范围内。</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>竖直直线：斜率不存在（%1），没有纵截距。</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>斜率 %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>纵截距 %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 %2 不在图形范围内。</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>横截距 %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>过 %1 和 %2 的竖直直线；斜率不存在；距离 %3；中点 %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>过 %1 和 %2 的直线；斜率 %3；纵截距 %4；距离 %5；中点 %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>%1 为 %2：方程不是二次方程，因此没有可绘制的抛物线。</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 %2 不是当前方程的解。</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>抛物线的数值太大，无法按比例绘制。</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>相对于抛物线到原点的距离，抛物线太窄，无法按比例绘制。</translation>
    </message>
    <message>
        <source>vertex (%1)</source>
        <translation>顶点 (%1)</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>No real x-value: the parabola does not meet the x axis.</source>
        <translation>没有实数 x 值：抛物线与 x 轴不相交。</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>没有实数 x 值</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>尚未求出 x 值</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>一个 x 值：%1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>x 值 %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>开口向上的抛物线；%1；顶点为 %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>开口向下的抛物线；%1；顶点为 %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>%1 为 %2：直角三角形的两条直角边都必须大于 0。</translation>
    </message>
    <message>
        <source>Side 1: %1</source>
        <translation>直角边 1：%1</translation>
    </message>
    <message>
        <source>Side 2: %1</source>
        <translation>直角边 2：%1</translation>
    </message>
    <message>
        <source>%1 field shows nothing; the sides make it %2.</source>
        <translation>“%1”字段为空；由两条直角边算得 %2。</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>“%1”字段显示 %2；由两条直角边算得 %3。</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>斜边：%1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>直角三角形；直角边 %1 和 %2；斜边 %3；两条直角边的夹角为直角</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>数轴</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1；第一个值 %2，范围从 %3 到 %4</translation>
    </message>
    <message>
        <source>%1; second value %2, from %3 to %4</source>
        <translation>%1；第二个值 %2，范围从 %3 到 %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>结果：%1</translation>
    </message>
    <message>
        <source>Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the sheet</source>
        <translation>半径 R = %1，板厚 T = %2，角度 A = %3°；中性层位于距内侧 T 的三分之一处</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>中性层 = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>直角折弯 = 中性层 × 1.5708（π/2 取四位小数）= %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>每度 = 直角折弯 ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>折弯余量 = 每度 × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4（共 %5 个因数）= %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>从这里起乘积为 %1：其余的因数（%2）至多改变它的符号，因此 %3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>从这里起乘积为 %1，而且计数永远减不到 1（减去 1 已不再改变它）：其余的因数至多改变乘积的符号，因此 %2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>过 (x₁, y₁) = (%1, %2) 和 (x₂, y₂) = (%3, %4) 的直线</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>横坐标差 x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>横坐标差为 0：直线竖直，斜率不存在；程序改为存储 %1</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>纵坐标差 y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>纵坐标差为 0：直线水平，斜率 m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>斜率 m = 纵坐标差 ÷ 横坐标差 = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>过点 1 的纵截距：y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>过点 2 的纵截距：y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>两者都把存储的 %1 当作斜率使用：竖直直线除非与 y 轴重合，否则没有纵截距</translation>
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
        <translation>距离 = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
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
        <translation>P(n, r) = n × (n − 1) × …，只要计数 r 大于 1，每循环一次就多乘一个因数；n = %1，r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 不大于 1：n 之后没有因数，因此 P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>在二十个 SI 词头（24, 21, …, 3, 2, 1, -1, -2, -3, …, -24）中查找 10^%1</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>10^%1 的词头为 %2，符号为 %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>没有对应 10^%1 的词头：词头和符号均为“无效”</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>因数 = %1，即所查找的指数</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>%1 的相反数超出了该字段可容纳的整数范围：保持为 %2</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>10 的指数 = −(%1) = %2；不进行查找</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>10 的指数 = %1（%2）；不进行查找</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>斜边 c = √(a² + b²)，其中直角边 a = %1，b = %2</translation>
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
        <translation>%1 %2 = %3 大于 0，因此 %4 %5 = √(c² − %6²)，其中 c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 小于 0：直角边比斜边还长，不存在这样的直角三角形；√%2 不是实数，字段显示 %3</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>两条直角边都不大于 0（直角边 1 = %1，直角边 2 = %2）：“未输入数据。”</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>若 a² + b² = c² 恰好成立，则是直角三角形的三边：a = %1，b = %2，c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2：“是的，这是一组勾股数！”</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2：“不，这不是勾股数！”</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0，其中 a = %1，b = %2，c = %3：x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 小于 0：没有实数 x 满足方程；√%2 不是数，x₁ 和 x₂ 也不是，显示为 %3</translation>
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
        <translation>2a 为 0：a = 0 时方程不是二次方程，求 x₁、x₂ 时会除以零</translation>
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
        <translation>C(n, r) = n! ÷ (r! × (n − r)!)，其中 n = %1，r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>这里 x! = x × (x − 1) × …，一直乘到第一个不大于 1 的因数为止；x 不大于 1 时，x! 就是 x 本身</translation>
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
        <translation>r! × (n − r)! 为 0（此处 0 或更小的数的阶乘就是它本身）：除以零得 %1</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2，因为 %3 不大于 1</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>绝对不确定度 = (百分数 ÷ 100) × 值，其中值为 %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>相对不确定度（%）= (绝对不确定度 ÷ 值) × 100，其中值为 %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>值为 0：无法求其所占比例；%1 ÷ 0 为 %2，结果也是如此</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>应用程序内部错误。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入一个数字。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>%1 为“%2”，不是数字：没有可绘制的内容。</translation>
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
        <translation>无效</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>未输入数据。</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>是的，这是一组勾股数！</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>不，这不是勾股数！</translation>
    </message>
</context>
</TS>
