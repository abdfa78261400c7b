<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>Biegezugabe</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>Eingabedaten...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>Innenbiegeradius R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation>Innenbiegeradius R:</translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation>Blechdicke T:</translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>Biegewinkel A:</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>Blechdicke T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>Biegewinkel A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>Biegezugabe berechnen</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation>Biegezugabe:</translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation variants="yes">
            <lengthvariant>Neutrale Faser:</lengthvariant>
            <lengthvariant>Neutr. Faser:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>Für 90°-Biegung:</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>Je Grad:</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>Einzelheiten der Berechnung:</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>Für 90°-Biegung</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>Neutrale Faser</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>Je Grad</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>Über Brimlet 5</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet Version 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>Diese Software ist für Studierende und Lehrende der Ingenieurwissenschaften sowie für Ingenieure im Beruf gedacht. Das Programm enthält eine Reihe von Gleichungslösern und zahlreiche Umrechnungsfaktoren als Hilfe bei anspruchsvollen technischen Aufgaben.</translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation>Version 5.0.0
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
        <translation>%1: Die Werkzeuge sind in den Menüs (Alt)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Beendet die Anwendung; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>Ü&amp;ber %1</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright an</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>&amp;Mathematik</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>Geradengleichung</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>Satz des Pythagoras</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>Quadratische Gleichung</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>&amp;Physik</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>Absolute Messunsicherheit</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>Biegezugabe</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Permutationen</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>SI-Präfixe</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>&amp;Chemie</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>Periodensystem</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>&amp;Astronomie</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>Planetendaten des Sonnensystems</translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation>Wissenschaftlicher Rechner</translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation>Einfacher Rechner</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>&amp;Umrechnungen</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Römische Zahlen</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Masse</translation>
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
        <translation>Temperaturumrechnung</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>Temperatur eingeben...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>Einheit der Eingabe...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Celcius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>Farengheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>First result</source>
        <translation>Erstes Ergebnis</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>Zweites Ergebnis</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>Einheit des ersten Ergebnisses</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>Einheit des zweiten Ergebnisses</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>Umrechnung Grad/Bogenmaß</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>Grad...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>Radiant...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radiant</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; Umrechnen &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>Umdrehungen...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Umdrehungen</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>Energieumrechnung</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Eingabe...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation>Erg</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Kalorien</translation>
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
        <translation>Ergebnisse...</translation>
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
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation>Kraftumrechnung</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Eingabe...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dyn</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation variants="yes">
            <lengthvariant>US-Tonnen</lengthvariant>
            <lengthvariant>tn</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>Geradengleichung</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Eingabedaten...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>Punkt 1:</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>Punkt 2:</translation>
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
        <translation>Punkt 1 X</translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation>Punkt 1 Y</translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation>Punkt 2 X</translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation>Punkt 2 Y</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation variants="yes">
            <lengthvariant>Steigung:</lengthvariant>
            <lengthvariant>m:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>Achsenabschnitte:</lengthvariant>
            <lengthvariant>Abschnitte:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation>Mittelpunkt:  X</translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation>Mittelpunkt X</translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation>Mittelpunkt Y</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>HINWEIS: Steigung -9999999999 = nicht definiert.</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>y-Achsenabschnitt durch Punkt 1</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>y-Achsenabschnitt durch Punkt 2</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>Längeneinheiten umrechnen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>Wert eingeben und seine Einheit wählen...</translation>
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
        <translation>Lichtjahr</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation variants="yes">
            <lengthvariant>Meilen</lengthvariant>
            <lengthvariant>mi</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation>Lichtjahre</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
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
        <translation>Speicherverwaltung</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>Speicher 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>Speicher 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>Speicher 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Sto</translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>Speichert die Anzeige in Speicher 1</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>Speichert die Anzeige in Speicher 2</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>Speichert die Anzeige in Speicher 3</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Rec</translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>Ruft Speicher 1 ab</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>Ruft Speicher 2 ab</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>Ruft Speicher 3 ab</translation>
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
            <lengthvariant>Löschen</lengthvariant>
            <lengthvariant>C</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
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
        <translation>Rück</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
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
        <translation>floor</translation>
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
        <translation>Unbelegte Taste</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>Berechnen (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>Bitte eine ganze Zahl zwischen 1 und 170 eingeben</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>Was die weniger offensichtlichen Tasten bedeuten:

[Sto] legt die angezeigte Zahl in Speicher 1, 2 oder 3 ab.
[Rec] holt eine Zahl aus dem Speicher zurück in die Anzeige.
[MC] löscht die Speicher.
[Rück] löscht das letzte Zeichen der Anzeige (wie die Rücktaste).
[CH] löscht den Verlauf unten im Fenster.

Mit [OK] geht es zurück.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>Zahlen umrechnen...</translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation variants="yes">
            <lengthvariant>Römisch:</lengthvariant>
            <lengthvariant>Röm.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>Römische Zahl</translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation variants="yes">
            <lengthvariant>Arabisch:</lengthvariant>
            <lengthvariant>Arab.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>Arabische Zahl</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>Römisch nach arabisch</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>Arabisch nach römisch</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>Die Zahl muss zwischen 1 und 3999 liegen!</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>Bitte eine römische Zahl zwischen I und MMMCMXCIX eingeben.</translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation>Periodensystem der Elemente</translation>
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
        <translation>LANTHANOIDE</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>ACTINOIDE</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>Daten des Elements:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>Atommasse:</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>Ordnungszahl:</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Ordnungszahl</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1, Ordnungszahl %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>Permutation</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>Werte für P(n, r) eingeben:</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>Ergebnis P(n, r):</translation>
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
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Bild zeigen</translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation>%1 - Bild</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>%1 kann nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>Eigenschaften der Planeten</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>Planet wählen...</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation>Daten des Planeten...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation>Mittlerer Sonnenabstand, 10^6 km:</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>Mittlerer Sonnenabstand, 10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>Umlaufzeit, Jahre:</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>Umlaufzeit, Jahre</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>Rotationsperiode, Tage:</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>Rotationsperiode, Tage</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation>Bahngeschwindigkeit, km/s:</translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>Bahngeschwindigkeit, km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation>Äquatordurchmesser, km:</translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>Äquatordurchmesser, km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>Masse (Erde=1):</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>Masse (Erde=1)</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>Dichte (Wasser=1):</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>Dichte (Wasser=1)</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation>Fallbeschleunigung (g):</translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>Fallbeschleunigung (g)</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation>Fluchtgeschwindigkeit, km/s:</translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>Fluchtgeschwindigkeit, km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>Bekannte Monde:</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>Bekannte Monde</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>Zählung des IAU Minor Planet Center vom 11. März 2025</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>HINWEISE:</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  Venus, Uranus und Pluto rotieren entgegen ihrem Umlaufsinn.</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  Fallbeschleunigung (g) am Äquator des Planeten gemessen.</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  Monde nach Zählung des IAU Minor Planet Center, 11. März 2025.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>Leistungsumrechnung</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Eingabe...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation>Horsepower (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation>ft*lb/s</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>SI-Präfixe</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>Zehnerpotenz eingeben...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>Ausgabe...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Faktor:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation>Tastenfeld...</translation>
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
        <translation>Plus / Minus</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>Zehnerpotenz</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>Sucht das Präfix der im Feld eingegebenen Zehnerpotenz</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>Sucht das Präfix der mit den Tasten eingestellten Zehnerpotenz</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>Druckeinheiten umrechnen</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Eingabedaten...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
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
        <translation>Atmosphären (atm)</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation>Millimeter Quecksilbersäule (mmHg)</translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>Pascal (Pa)</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>Kilopascal (kPa)</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation>Newton je Quadratmeter (N/m²)</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation>Satz des Pythagoras</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Kathete 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Kathete 2</translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation>Hypotenuse</translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation variants="yes">
            <lengthvariant>Kathete 1:</lengthvariant>
            <lengthvariant>Kath. 1:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation variants="yes">
            <lengthvariant>Kathete 2:</lengthvariant>
            <lengthvariant>Kath. 2:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation>Hypotenuse:</translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation>Hypotenuse berechnen</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Kathete berechnen</translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation>Pythagoreisches Tripel?</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>Bekannte Werte eingeben...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>Quadratische Gleichung</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>Koeffizienten der Gleichung eingeben...</translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation>Koeffizient a</translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation>Koeffizient b</translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation>Koeffizient c</translation>
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
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation>Erster x-Wert</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>und     X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>Zweiter x-Wert</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>x berechnen</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
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
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>SimpleCalc</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
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
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rück</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>Geschwindigkeitsumrechnung</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Eingabe...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
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
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>Rechenweg zeigen</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - Rechenweg</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>Rechenweg aktualisiert</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>Noch nichts berechnet: Hier erscheint der Rechenweg der nächsten Berechnung.</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>Kombination</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>Werte für C(n, r) eingeben:</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>Ergebnis C(n, r):</translation>
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
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>Zeitumrechnung</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Eingabe...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation variants="yes">
            <lengthvariant>Sekunden</lengthvariant>
            <lengthvariant>Sek.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation variants="yes">
            <lengthvariant>Stunden</lengthvariant>
            <lengthvariant>Std.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>Alle Felder kopieren</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Taste: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Tasten: %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
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
        <translation>Entf</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Copy Field in the window&apos;s context menu (Shift+F10) copies it</source>
        <translation>„Feld kopieren“ im Kontextmenü des Fensters (Umschalt+F10) kopiert es</translation>
    </message>
    <message>
        <source>Copy Field</source>
        <translation>Feld kopieren</translation>
    </message>
    <message>
        <source>%1 fields copied</source>
        <translation>%1 Felder kopiert</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 kopiert</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>Absolute Messunsicherheit</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Erster Wert</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>Relative Unsicherheit des ersten Werts in %</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>Zweiter Wert</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>Absolute Unsicherheit des zweiten Werts</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>Abs. Unsicherheit berechnen</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>Rel. Unsicherheit in % berechnen</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
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
        <translation>Eingabedaten...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation>Masseneinheiten umrechnen</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>Wert eingeben, Einheit wählen:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
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
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation variants="yes">
            <lengthvariant>Gramm</lengthvariant>
            <lengthvariant>g</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>Kilogramm</lengthvariant>
            <lengthvariant>kg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Unzen</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>Grad = %1 &gt; 0, also wird Grad in Radiant umgerechnet, mit 3.14 für π</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>Radiant = Grad × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>Grad = %1 ist nicht größer als 0 und Radiant = %2 &gt; 0, also wird Radiant in Grad umgerechnet, mit 3.14 für π</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>Grad = Radiant × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>Weder Grad (%1) noch Radiant (%2) ist größer als 0: Es wird nichts umgerechnet</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>Umdrehungen = Radiant × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1, die ganze Zahl am Anfang von %2 (0, wenn keine)</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 liegt nicht zwischen 1 und 3999: „Die Zahl muss zwischen 1 und 3999 liegen!“, und beide Felder werden geleert</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>Zeichengruppe für Zeichengruppe den größten Wert nehmen, der den Rest nicht übersteigt:</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>Römisch = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>Die Zeichengruppen von %1 addieren, die größte zuerst:</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>„Bitte eine römische Zahl zwischen I und MMMCMXCIX eingeben.“</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>Arabisch = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%4 genommen (%5 ≥ %6): %1 − %2 = %3 übrig</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%4 (%5) addiert: %1 + %2 = %3</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>%1 ergibt %2, doch %3 wird anders geschrieben: keine reguläre römische Zahl</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>In %1 bleiben nach Abzug der Werte Zeichen übrig: keine reguläre römische Zahl</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 ist keine Zahl: „Bitte eine Zahl eingeben.“ Das Einlesen endet; dieses und die folgenden Felder behalten ihre Werte</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 ist keine ganze Zahl: „Bitte eine ganze Zahl eingeben.“ Das Einlesen endet; dieses und die folgenden Felder behalten ihre Werte</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1: %2 wird als %3 gelesen, die Zahl am Anfang</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1: %2 wird als %3 gelesen, die ganze Zahl am Anfang</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>… %1 weitere Schritte ausgelassen, damit alles auf einen Bildschirm passt</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>Alle Felder werden gelöscht: Zahlen auf 0, Texte geleert</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>%1 ist %2: Ein Radius kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>%1 ist %2: Ein Blech braucht eine Dicke größer als 0.</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>%1 ist %2: Es gibt keine Biegung zu zeichnen.</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>%1 ist %2: Eine Biegung um eine volle Umdrehung oder mehr überschneidet sich selbst.</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>Das Blech ist im Verhältnis zum Biegeradius zu dünn zum Zeichnen.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>Feld „%1“ zeigt %2; die neutrale Faser ist bei einem Drittel der Dicke von innen gezeichnet.</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>BZ %1</translation>
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
        <translation>NF</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>Biegezugabe %1 entlang der neutralen Faser (gestrichelt), Radius %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>Blech der Dicke %1, um %2 Grad um einen Innenradius von %3 gebogen; Radius der neutralen Faser %4; Biegezugabe %5 entlang der neutralen Faser</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>Nichts zu zeichnen.</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>Die Zahlen liegen zu weit auseinander für eine maßstäbliche Zeichnung.</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>%1 ist leer, keine Zahl: Es gibt nichts zu zeichnen.</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>%1 ist %2, keine Zahl: Es gibt nichts zu zeichnen.</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>%1 ist %2, ein unendlicher Wert: Er lässt sich nicht zeichnen.</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>%1 ist %2: zu groß für eine maßstäbliche Zeichnung.</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>Beide Punkte sind %1: Eine Gerade braucht zwei verschiedene Punkte.</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>Die beiden Punkte liegen im Verhältnis zu ihrem Abstand vom Ursprung zu dicht beieinander, um sie getrennt zu zeichnen.</translation>
    </message>
    <message>
        <source>Point 1 %1</source>
        <translation>Punkt 1 %1</translation>
    </message>
    <message>
        <source>Point 2 %1</source>
        <translation>Punkt 2 %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>Abstand %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>Mittelpunkt (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>Mittelpunkt %1 liegt außerhalb des Bildes.</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>Senkrechte Gerade: Die Steigung ist nicht definiert (%1), kein y-Achsenabschnitt.</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>Steigung %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>y-Achsenabschnitt %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 %2 liegt außerhalb des Bildes.</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>x-Achsenabschnitt %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>Senkrechte Gerade durch %1 und %2; Steigung nicht definiert; Abstand %3; Mittelpunkt %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>Gerade durch %1 und %2; Steigung %3; y-Achsenabschnitt %4; Abstand %5; Mittelpunkt %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>%1 ist %2: Die Gleichung ist nicht quadratisch, also gibt es keine Parabel zu zeichnen.</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 %2 löst die Gleichung in ihrer jetzigen Form nicht.</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>Die Zahlen der Parabel sind zu groß für eine maßstäbliche Zeichnung.</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>Die Parabel ist im Verhältnis zu ihrem Abstand vom Ursprung zu schmal für eine maßstäbliche Zeichnung.</translation>
    </message>
    <message>
        <source>vertex (%1)</source>
        <translation>Scheitel (%1)</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>No real x-value: the parabola does not meet the x axis.</source>
        <translation>Kein reeller x-Wert: Die Parabel schneidet die x-Achse nicht.</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>kein reeller x-Wert</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>x-Werte noch nicht berechnet</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>ein x-Wert, %1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>x-Werte %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>Nach oben geöffnete Parabel; %1; Scheitel bei %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>Nach unten geöffnete Parabel; %1; Scheitel bei %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>%1 ist %2: Ein rechtwinkliges Dreieck braucht zwei Katheten größer als 0.</translation>
    </message>
    <message>
        <source>Side 1: %1</source>
        <translation>Kathete 1: %1</translation>
    </message>
    <message>
        <source>Side 2: %1</source>
        <translation>Kathete 2: %1</translation>
    </message>
    <message>
        <source>%1 field shows nothing; the sides make it %2.</source>
        <translation>Feld „%1“ ist leer; die Katheten ergeben %2.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>Feld „%1“ zeigt %2; die Katheten ergeben %3.</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>Hypotenuse: %1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>Rechtwinkliges Dreieck; Katheten %1 und %2; Hypotenuse %3; rechter Winkel zwischen den Katheten</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>Zahlengerade</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1; erster Wert %2, von %3 bis %4</translation>
    </message>
    <message>
        <source>%1; second value %2, from %3 to %4</source>
        <translation>%1; zweiter Wert %2, von %3 bis %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the sheet</source>
        <translation>Radius R = %1, Dicke T = %2, Winkel A = %3°; die neutrale Faser liegt ein Drittel von T von der Innenseite entfernt</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>Neutrale Faser = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>Für 90°-Biegung = neutrale Faser × 1.5708 (π/2 auf vier Stellen) = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>Je Grad = 90°-Biegung ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>Biegezugabe = je Grad × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4 (%5 Faktoren) = %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>Ab hier ist das Produkt %1: Die noch folgenden Faktoren (%2) ändern höchstens sein Vorzeichen, also %3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>Ab hier ist das Produkt %1, und der Zähler kommt nie bis 1 herunter (1 abzuziehen ändert ihn nicht mehr): Die folgenden Faktoren ändern höchstens sein Vorzeichen, also %2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>Die Gerade durch (x₁, y₁) = (%1, %2) und (x₂, y₂) = (%3, %4)</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>x-Differenz x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>Die x-Differenz ist 0: Die Gerade ist senkrecht und hat keine Steigung; das Programm speichert stattdessen %1</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>y-Differenz y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>Die y-Differenz ist 0: Die Gerade ist waagerecht, Steigung m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>Steigung m = y-Differenz ÷ x-Differenz = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>y-Achsenabschnitt durch Punkt 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>y-Achsenabschnitt durch Punkt 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>Beide verwenden den gespeicherten Wert %1, als wäre er eine Steigung: Eine senkrechte Gerade hat keinen y-Achsenabschnitt, außer sie liegt auf der y-Achse</translation>
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
        <translation>Abstand = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
    </message>
    <message>
        <source>Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Mittelpunkt X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Mittelpunkt Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, r = %2</source>
        <translation>P(n, r) = n × (n − 1) × …, ein Faktor mehr je Durchlauf, solange der Zähler r größer als 1 ist; n = %1, r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 ist nicht größer als 1: kein Faktor nach n, also P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>10^%1 unter den zwanzig SI-Präfixen suchen (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>10^%1 ist %2, Symbol %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>Kein Präfix steht für 10^%1: Präfix und Symbol „Ungültig“</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>Faktor = %1, der gesuchte Exponent</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>%1 hat unter den ganzen Zahlen, die das Feld fassen kann, keine Gegenzahl: Der Wert bleibt %2</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>Zehnerpotenz = −(%1) = %2; es wird nichts gesucht</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>Zehnerpotenz = %1 (%2); es wird nichts gesucht</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>Hypotenuse c = √(a² + b²), mit den Katheten a = %1 und b = %2</translation>
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
        <translation>%1 %2 = %3 ist größer als 0, also %4 %5 = √(c² − %6²), mit c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 ist kleiner als 0: Die Kathete ist länger als die Hypotenuse, kein rechtwinkliges Dreieck hat solche Seiten; √%2 ist keine reelle Zahl, und das Feld zeigt %3</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>Keine Kathete ist größer als 0 (Kathete 1 = %1, Kathete 2 = %2): „Keine Daten eingegeben.“</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>Seiten eines rechtwinkligen Dreiecks, wenn a² + b² = c² genau gilt: a = %1, b = %2, c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2: „Ja, pythagoreisches Tripel!“</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2: „Nein, kein Tripel!“</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0 mit a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 ist kleiner als 0: Kein reelles x löst die Gleichung; √%2 ist keine Zahl, ebenso wenig x₁ und x₂, angezeigt als %3</translation>
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
        <translation>2a ist 0: Mit a = 0 ist die Gleichung nicht quadratisch, und x₁, x₂ teilen durch null</translation>
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
        <translation>C(n, r) = n! ÷ (r! × (n − r)!), mit n = %1 und r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>Hier ist x! = x × (x − 1) × … bis zum ersten Faktor, der nicht größer als 1 ist, und x selbst, wenn x nicht größer als 1 ist</translation>
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
        <translation>r! × (n − r)! ist 0 (eine Fakultät von 0 oder weniger ist hier die Zahl selbst): Die Division durch null ergibt %1</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2, da %3 nicht größer als 1 ist</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>Absolute Unsicherheit = (Prozent ÷ 100) × Wert, mit Wert %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>Relative Unsicherheit in % = (absolute Unsicherheit ÷ Wert) × 100, mit Wert %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>Der Wert ist 0: ein Anteil von nichts; %1 ÷ 0 ist %2, ebenso das Ergebnis</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Interner Programmfehler.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>%1 ist „%2“, keine Zahl: Es gibt nichts zu zeichnen.</translation>
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
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>Keine Daten eingegeben.</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>Ja, pythagoreisches Tripel!</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>Nein, kein Tripel!</translation>
    </message>
</context>
</TS>
