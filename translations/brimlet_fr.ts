<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neutral axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per degree of bend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBrimletView</name>
    <message>
        <source>%1: the tools are in the menus (Alt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Degrees</name>
    <message>
        <source>Temperature Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celcius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farengheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ft * Lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kW * h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ft*Lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kW*h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 1 X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First intercept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second intercept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light-year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+/-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Managment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x^2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x^3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x^y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sqrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ceil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Li</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Br</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Os</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Au</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Po</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Og</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Np</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Md</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANTHANIDES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>r:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power of ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+/-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ^ 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plus / Minus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm Hg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KPa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/(m sq.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atmospheres (Atm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X ²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= 0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultAnnouncer</name>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimpleCalc</name>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+/-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mi/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>r:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+/-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
