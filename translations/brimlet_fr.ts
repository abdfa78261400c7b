<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>Tolérance de pliage</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>Données...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>Rayon intérieur de pliage R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation>Rayon intérieur R&#xa0;:</translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation>Épaisseur T&#xa0;:</translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>Angle de pliage A&#xa0;:</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>Épaisseur du matériau T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>Angle de pliage A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>Calculer la tolérance de pliage</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation variants="yes">
            <lengthvariant>Tolérance de pliage&#xa0;:</lengthvariant>
            <lengthvariant>Tolérance&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation>Fibre neutre&#xa0;:</translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>Pour un pli à 90°&#xa0;:</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>Par degré&#xa0;:</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>Détail des calculs&#xa0;:</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>Pour un pli à 90°</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>Fibre neutre</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>Par degré</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>À propos de Brimlet 5</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet version 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>Ce logiciel s&apos;adresse aux étudiants et enseignants en ingénierie ainsi qu&apos;aux ingénieurs en activité. Le programme comprend plusieurs solveurs d&apos;équations et de nombreux facteurs de conversion pour faciliter les tâches d&apos;ingénierie complexes.</translation>
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
        <translation>%1 : les outils sont dans les menus (Alt)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitte l&apos;application ; propose d&apos;enregistrer les documents</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>À &amp;propos de %1</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Affiche les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d&apos;ouvrir le document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d&apos;enregistrer le document.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>&amp;Mathématiques</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>Équation de droite</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>Théorème de Pythagore</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>Équation du second degré</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>&amp;Physique</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>Incertitude absolue</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>Tolérance de pliage</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Combinaisons</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Arrangements</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>Préfixes SI</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>C&amp;himie</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>Tableau périodique</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>A&amp;stronomie</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>Données des planètes du système solaire</translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation>Ca&amp;lculatrices</translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation>Calculatrice scientifique</translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation>Calculatrice simple</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>&amp;Conversions</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Chiffres romains</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉF</translation>
    </message>
</context>
<context>
    <name>Degrees</name>
    <message>
        <source>Temperature Converter</source>
        <translation>Conversion de température</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>Saisissez la température...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>Unité d&apos;entrée...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
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
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>First result</source>
        <translation>Premier résultat</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>Second résultat</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>Unité du premier résultat</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>Unité du second résultat</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>Conversion degrés/radians</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>Degrés...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>Radians...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; Convertir &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>Tours...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Tours</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>Conversion d&apos;énergie</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valeur...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joules</translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation>Ergs</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calories</translation>
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
        <translation>Résultats...</translation>
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
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation>Figure</translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation>Conversion de force</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valeur...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newtons</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dynes</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation variants="yes">
            <lengthvariant>Tonnes courtes</lengthvariant>
            <lengthvariant>tn</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>Équation de droite</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Données...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>Point 1&#xa0;:</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>Point 2&#xa0;:</translation>
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
        <translation>Point 1 X</translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation>Point 1 Y</translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation>Point 2 X</translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation>Point 2 Y</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation>Pente&#xa0;:</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>Ordonnées à l&apos;origine&#xa0;:</lengthvariant>
            <lengthvariant>Ordonnées&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distance&#xa0;:</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation>Milieu:      X</translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation>Milieu X</translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation>Milieu Y</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>NOTE : pente = -9999999999 signifie non définie.</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>Ordonnée à l’origine par le point 1</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>Ordonnée à l’origine par le point 2</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>Conversion de longueurs</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>Saisissez la valeur et choisissez l&apos;unité...</translation>
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
        <translation>po</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>pi</translation>
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
        <translation variants="yes">
            <lengthvariant>Année-lumière</lengthvariant>
            <lengthvariant>al</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimètres</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation variants="yes">
            <lengthvariant>Pouces</lengthvariant>
            <lengthvariant>po</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Feet</source>
        <translation variants="yes">
            <lengthvariant>Pieds</lengthvariant>
            <lengthvariant>pi</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Milles</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilomètres</translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation variants="yes">
            <lengthvariant>Années-lumière</lengthvariant>
            <lengthvariant>al</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
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
        <translation>Gestion de la mémoire</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>Mémoire 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>Mémoire 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>Mémoire 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Sto</translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>Met l&apos;affichage en mémoire 1</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>Met l&apos;affichage en mémoire 2</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>Met l&apos;affichage en mémoire 3</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Rec</translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>Rappelle la mémoire 1</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>Rappelle la mémoire 2</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>Rappelle la mémoire 3</translation>
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
            <lengthvariant>Effacer</lengthvariant>
            <lengthvariant>C</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
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
        <translation>Ret</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>Touche inutilisée</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>Calculer (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>Veuillez saisir un entier entre 1 et 170</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>Signification des touches moins évidentes :

[Sto] met le nombre affiché en mémoire 1, 2 ou 3.
[Rec] reprend un nombre de la mémoire et le remet à l&apos;affichage.
[MC] efface les mémoires.
[Ret] efface le dernier caractère affiché (comme la touche Retour arrière).
[CH] efface l&apos;historique en bas de la fenêtre.

Cliquez sur [OK] pour revenir.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Chiffres romains</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>Conversion de nombres...</translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation variants="yes">
            <lengthvariant>Romain&#xa0;:</lengthvariant>
            <lengthvariant>Rom.&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>Nombre romain</translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation>Arabe&#xa0;:</translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>Nombre arabe</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>Romain vers arabe</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>Arabe vers romain</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>Le nombre doit être compris entre 1 et 3999 !</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>Veuillez saisir un nombre romain entre I et MMMCMXCIX.</translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation>Tableau périodique des éléments</translation>
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
        <translation>LANTHANIDES</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>ACTINIDES</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>Données de l&apos;élément&#xa0;:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation variants="yes">
            <lengthvariant>Symbole&#xa0;:</lengthvariant>
            <lengthvariant>Symb.&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>Masse atomique&#xa0;:</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Masse atomique</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation variants="yes">
            <lengthvariant>Numéro atomique&#xa0;:</lengthvariant>
            <lengthvariant>N° atomique&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Numéro atomique</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1, numéro atomique %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>Arrangement</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>Données de A(n, r)&#xa0;:</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>Résultat A(n, r)&#xa0;:</translation>
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
        <translation>n&#xa0;:</translation>
    </message>
    <message>
        <source>r:</source>
        <translation>r&#xa0;:</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Afficher la figure</translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation>%1 - Figure</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier la figure</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Enregistrer la figure sous...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer la figure sous</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>Impossible d&apos;écrire %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>Propriétés des planètes</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>Choisissez une planète...</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluton</translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation>Caractéristiques...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation>Distance moyenne au Soleil, 10^6 km&#xa0;:</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>Distance moyenne au Soleil, 10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>Période de révolution, années&#xa0;:</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>Période de révolution, années</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>Période de rotation, jours&#xa0;:</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>Période de rotation, jours</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation>Vitesse orbitale, km/s&#xa0;:</translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>Vitesse orbitale, km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation>Diamètre équatorial, km&#xa0;:</translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>Diamètre équatorial, km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>Masse (Terre=1)&#xa0;:</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>Masse (Terre=1)</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>Densité (eau=1)&#xa0;:</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>Densité (eau=1)</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation>Pesanteur (g)&#xa0;:</translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>Pesanteur (g)</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation>Vitesse de libération, km/s&#xa0;:</translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>Vitesse de libération, km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>Satellites connus (lunes)&#xa0;:</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>Satellites connus (lunes)</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>Décompte du Minor Planet Center de l&apos;UAI au 11 mars 2025</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>NOTES&#xa0;:</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  Vénus, Uranus et Pluton tournent en sens inverse de leur révolution.</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  Pesanteur (g) mesurée à l&apos;équateur de la planète.</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  Lunes selon le décompte du Minor Planet Center de l&apos;UAI, 11 mars 2025.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>Conversion de puissance</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valeur...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation>Horsepower (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation>ft*lb/s</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>Préfixes SI</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>Puissance de 10...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>Résultat...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation variants="yes">
            <lengthvariant>Facteur&#xa0;:</lengthvariant>
            <lengthvariant>Fact.&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation variants="yes">
            <lengthvariant>Préfixe&#xa0;:</lengthvariant>
            <lengthvariant>Préf.&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation variants="yes">
            <lengthvariant>Symbole&#xa0;:</lengthvariant>
            <lengthvariant>Symb.&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Facteur</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation>Pavé...</translation>
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
        <translation>Plus / moins</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>Puissance de 10</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>Cherche le préfixe de la puissance de 10 saisie dans le champ</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>Cherche le préfixe de la puissance de 10 réglée avec les touches</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>Conversion de pressions</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Données...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
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
        <translation>Atmosphères (atm)</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation>Millimètres de mercure (mmHg)</translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>Pascals (Pa)</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>Kilopascals (kPa)</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation>Newtons par mètre carré (N/m²)</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation>Théorème de Pythagore</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Côté 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Côté 2</translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation>Hypoténuse</translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation>Côté 1&#xa0;:</translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation>Côté 2&#xa0;:</translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation>Hypoténuse&#xa0;:</translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation>Calculer l&apos;hypoténuse</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Calculer le côté</translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation>Triplet pythagoricien ?</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>Valeurs connues...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>Équation du second degré</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>Saisissez les coefficients de l&apos;équation...</translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation>Coefficient a</translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation>Coefficient b</translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation>Coefficient c</translation>
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
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation>Première valeur de x</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>et     X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>Seconde valeur de x</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>Calculer x</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
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
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>SimpleCalc</name>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
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
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Ret</translation>
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
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>Conversion de vitesse</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valeur...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
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
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>Afficher le calcul</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - Calcul</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>Calcul mis à jour</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>Aucun calcul encore : les étapes du prochain calcul s&apos;affichent ici.</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>Combinaison</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>Données de C(n, r)&#xa0;:</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>Résultat C(n, r)&#xa0;:</translation>
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
        <translation>n&#xa0;:</translation>
    </message>
    <message>
        <source>r:</source>
        <translation>r&#xa0;:</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>Conversion de durées</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valeur...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation variants="yes">
            <lengthvariant>Secondes</lengthvariant>
            <lengthvariant>s</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation variants="yes">
            <lengthvariant>Heures</lengthvariant>
            <lengthvariant>h</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Years</source>
        <translation variants="yes">
            <lengthvariant>Années</lengthvariant>
            <lengthvariant>ans</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>Copier tous les champs</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Touche : %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Touches : %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
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
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Copy Field in the window&apos;s context menu (Shift+F10) copies it</source>
        <translation>« Copier le champ » du menu contextuel de la fenêtre (Maj+F10) le copie</translation>
    </message>
    <message>
        <source>Copy Field</source>
        <translation>Copier le champ</translation>
    </message>
    <message>
        <source>%1 fields copied</source>
        <translation>%1 champs copiés</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 copié</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>Incertitude absolue</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Première valeur</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>Incertitude relative de la première valeur, en %</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>Seconde valeur</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>Incertitude absolue de la seconde valeur</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>Calculer incert. abs.</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>Calculer incert. rel. en %</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
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
        <translation>Données...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation>Conversion de masses</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>Valeur et unité&#xa0;:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
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
        <translation>Résultat&#xa0;:</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation variants="yes">
            <lengthvariant>Grammes</lengthvariant>
            <lengthvariant>g</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>Kilogrammes</lengthvariant>
            <lengthvariant>kg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Onces</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>Degrés = %1 &gt; 0 : conversion des degrés en radians, avec 3.14 pour π</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>Radians = degrés × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>Degrés = %1 n&apos;est pas strictement positif et radians = %2 &gt; 0 : conversion des radians en degrés, avec 3.14 pour π</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>Degrés = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>Ni les degrés (%1) ni les radians (%2) ne sont strictement positifs : rien n&apos;est converti</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>Tours = radians × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1, l&apos;entier par lequel commence %2 (0 s&apos;il n&apos;y en a pas)</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 n&apos;est pas compris entre 1 et 3999 : « Le nombre doit être compris entre 1 et 3999 ! », et les deux champs sont vidés</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>Prendre la plus grande valeur qui ne dépasse pas le reste, groupe de lettres par groupe de lettres :</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>Romain = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>Additionner les groupes de lettres de %1, du plus grand au plus petit :</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>« Veuillez saisir un nombre romain entre I et MMMCMXCIX. »</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>Arabe = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%1 − %2 = %3 de reste, en prenant %4 (%5 ≥ %6)</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%1 + %2 = %3, en ajoutant %4 (%5)</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>%1 fait %2 au total, mais %3 s&apos;écrit autrement : nombre romain non standard</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>Il reste des lettres dans %1 une fois les valeurs prises : nombre romain non standard</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1 : %2 n&apos;est pas un nombre : « Veuillez saisir un nombre. » La lecture s&apos;arrête ; ce champ et les suivants gardent leurs valeurs</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1 : %2 n&apos;est pas un entier : « Veuillez saisir un entier. » La lecture s&apos;arrête ; ce champ et les suivants gardent leurs valeurs</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1 : %2 est lu comme %3, le nombre par lequel il commence</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1 : %2 est lu comme %3, l&apos;entier par lequel il commence</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>… %1 autres étapes omises, pour tenir sur un écran</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>Tous les champs sont effacés : nombres à 0, textes vidés</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>%1 vaut %2 : un rayon ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>%1 vaut %2 : une tôle doit avoir une épaisseur strictement positive.</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>%1 vaut %2 : il n&apos;y a pas de pli à dessiner.</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>%1 vaut %2 : un pli d&apos;un tour complet ou plus se recoupe lui-même.</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>La tôle est trop mince, par rapport à son rayon de pliage, pour être dessinée.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>Le champ %1 affiche %2 ; la fibre neutre est dessinée au tiers de l&apos;épaisseur, depuis l&apos;intérieur du pli.</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>TP %1</translation>
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
        <translation>FN</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>Tolérance de pliage %1 le long de la fibre neutre (en tirets), rayon %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>Tôle d&apos;épaisseur %1 pliée à %2 degrés autour d&apos;un rayon intérieur de %3 ; rayon de la fibre neutre %4 ; tolérance de pliage %5 le long de la fibre neutre</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>Rien à dessiner.</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>Les nombres sont trop éloignés pour être dessinés à l&apos;échelle.</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>%1 est vide, ce n&apos;est pas un nombre : il n&apos;y a rien à dessiner.</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>%1 vaut %2, ce n&apos;est pas un nombre : il n&apos;y a rien à dessiner.</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>%1 vaut %2, une valeur infinie : impossible à dessiner.</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>%1 vaut %2 : trop grand pour être dessiné à l&apos;échelle.</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>Les deux points sont en %1 : il faut deux points distincts pour une droite.</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>Les deux points sont trop proches l&apos;un de l&apos;autre, vu leur distance à l&apos;origine, pour être dessinés séparément.</translation>
    </message>
    <message>
        <source>Point 1 %1</source>
        <translation>Point 1 %1</translation>
    </message>
    <message>
        <source>Point 2 %1</source>
        <translation>Point 2 %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>distance %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>milieu (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>Le milieu %1 est hors de la figure.</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>Droite verticale : pente non définie (%1), pas d&apos;ordonnée à l&apos;origine.</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>Pente %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>ordonnée à l&apos;origine %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 = %2 est hors de la figure.</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>abscisse à l&apos;origine %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>Droite verticale passant par %1 et %2 ; pente non définie ; distance %3 ; milieu %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>Droite passant par %1 et %2 ; pente %3 ; ordonnée à l&apos;origine %4 ; distance %5 ; milieu %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>%1 vaut %2 : l&apos;équation n&apos;est pas du second degré, il n&apos;y a donc pas de parabole à dessiner.</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 = %2 n&apos;est pas solution de l&apos;équation telle qu&apos;elle est posée.</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>Les valeurs de la parabole sont trop grandes pour être dessinées à l&apos;échelle.</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>La parabole est trop étroite, vu sa distance à l&apos;origine, pour être dessinée à l&apos;échelle.</translation>
    </message>
    <message>
        <source>vertex (%1)</source>
        <translation>sommet (%1)</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>No real x-value: the parabola does not meet the x axis.</source>
        <translation>Aucune valeur réelle de x : la parabole ne coupe pas l&apos;axe des abscisses.</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>aucune valeur réelle de x</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>valeurs de x pas encore calculées</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>une valeur de x, %1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>valeurs de x %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>Parabole ouverte vers le haut ; %1 ; sommet en %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>Parabole ouverte vers le bas ; %1 ; sommet en %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>%1 vaut %2 : les deux côtés d&apos;un triangle rectangle doivent être strictement positifs.</translation>
    </message>
    <message>
        <source>Side 1: %1</source>
        <translation>Côté 1 : %1</translation>
    </message>
    <message>
        <source>Side 2: %1</source>
        <translation>Côté 2 : %1</translation>
    </message>
    <message>
        <source>%1 field shows nothing; the sides make it %2.</source>
        <translation>Le champ %1 est vide ; les côtés donnent %2.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>Le champ %1 affiche %2 ; les côtés donnent %3.</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>Hypoténuse : %1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>Triangle rectangle ; côtés %1 et %2 ; hypoténuse %3 ; angle droit entre les côtés</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>Droite graduée</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1 ; première valeur %2, de %3 à %4</translation>
    </message>
    <message>
        <source>%1; second value %2, from %3 to %4</source>
        <translation>%1 ; seconde valeur %2, de %3 à %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Résultat : %1</translation>
    </message>
    <message>
        <source>Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the sheet</source>
        <translation>Rayon R = %1, épaisseur T = %2, angle A = %3° ; la fibre neutre est au tiers de T, depuis l&apos;intérieur du pli</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>Fibre neutre = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>Pour un pli à 90° = fibre neutre × 1.5708 (π/2 à quatre décimales) = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>Par degré = pli à 90° ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>Tolérance de pliage = par degré × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4 (%5 facteurs) = %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>À partir de là, le produit vaut %1 : les facteurs restants (%2) ne peuvent changer que son signe, donc %3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>À partir de là, le produit vaut %1, et le compteur n&apos;atteint jamais 1 (lui retirer 1 ne le change plus) : les facteurs suivants ne peuvent changer que son signe, donc %2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>La droite passant par (x₁, y₁) = (%1, %2) et (x₂, y₂) = (%3, %4)</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>Écart horizontal x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>L&apos;écart horizontal est nul : la droite est verticale et n&apos;a pas de pente ; le programme enregistre %1 à la place</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>Écart vertical y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>L&apos;écart vertical est nul : la droite est horizontale, pente m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>Pente m = écart vertical ÷ écart horizontal = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>Ordonnée à l&apos;origine par le point 1 : y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>Ordonnée à l&apos;origine par le point 2 : y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>Les deux calculs utilisent la valeur enregistrée %1 comme une pente : une droite verticale n&apos;a pas d&apos;ordonnée à l&apos;origine, sauf si c&apos;est l&apos;axe des ordonnées</translation>
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
        <translation>Distance = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
    </message>
    <message>
        <source>Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Milieu X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Milieu Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, r = %2</source>
        <translation>P(n, r) = n × (n − 1) × …, un facteur de plus à chaque passage tant que le compteur r dépasse 1 ; n = %1, r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 ne dépasse pas 1 : aucun facteur après n, donc P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>Chercher 10^%1 parmi les vingt préfixes SI (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>10^%1 : préfixe %2, symbole %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>Aucun préfixe ne vaut 10^%1 : préfixe et symbole « Non valide »</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>Facteur = %1, l&apos;exposant cherché</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>%1 n&apos;a pas d&apos;opposé parmi les entiers que le champ peut contenir : il reste %2</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>Puissance de 10 = −(%1) = %2 ; aucune recherche n&apos;est faite</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>Puissance de 10 = %1 (%2) ; aucune recherche n&apos;est faite</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>Hypoténuse c = √(a² + b²), avec les côtés a = %1 et b = %2</translation>
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
        <translation>%1 %2 = %3 &gt; 0, donc %4 %5 = √(c² − %6²), avec c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 &lt; 0 : le côté est plus long que l&apos;hypoténuse, aucun triangle rectangle n&apos;est possible ; √%2 n&apos;est pas un nombre réel et le champ affiche %3</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>Aucun côté n&apos;est strictement positif (Côté 1 = %1, Côté 2 = %2) : « Aucune donnée saisie. »</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>Côtés d&apos;un triangle rectangle si a² + b² = c² exactement : a = %1, b = %2, c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2 : « Oui, triplet pythagoricien ! »</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2 : « Non, ce n&apos;est pas un triplet ! »</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0 avec a = %1, b = %2, c = %3 : x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 &lt; 0 : aucun x réel n&apos;est solution ; √%2 n&apos;est pas un nombre, pas plus que x₁ et x₂, affichés %3</translation>
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
        <translation>2a vaut 0 : avec a = 0, l&apos;équation n&apos;est pas du second degré, et x₁, x₂ divisent par zéro</translation>
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
        <translation>C(n, r) = n! ÷ (r! × (n − r)!), avec n = %1 et r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>Ici x! = x × (x − 1) × … jusqu&apos;au premier facteur qui ne dépasse pas 1, et x lui-même quand x ne dépasse pas 1</translation>
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
        <translation>r! × (n − r)! vaut 0 (ici, x! vaut x lui-même quand x ≤ 0) : la division par zéro donne %1</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2, car %3 ne dépasse pas 1</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>Incertitude absolue = (pourcentage ÷ 100) × valeur, avec la valeur %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>Incertitude relative en % = (incertitude absolue ÷ valeur) × 100, avec la valeur %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>La valeur est 0 : une fraction de rien n&apos;a pas de sens ; %1 ÷ 0 vaut %2, et le résultat aussi</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Erreur interne de l&apos;application.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un entier.</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>%1 vaut « %2 », ce n&apos;est pas un nombre : il n&apos;y a rien à dessiner.</translation>
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
        <translation>Non valide</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>Aucune donnée saisie.</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>Oui, triplet pythagoricien !</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>Non, ce n&apos;est pas un triplet !</translation>
    </message>
</context>
</TS>
