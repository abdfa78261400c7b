<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>Tolerancia de doblado</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>Datos...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>Radio interior de doblado R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation>Radio interior R:</translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation>Espesor T:</translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>Ángulo de doblado A:</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>Espesor del material T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>Ángulo de doblado A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>Calcular tolerancia de doblado</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation variants="yes">
            <lengthvariant>Tolerancia de doblado:</lengthvariant>
            <lengthvariant>Tolerancia:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation>Eje neutro:</translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>Para doblez a 90°:</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>Por grado:</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>Detalle de los cálculos:</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>Para doblez a 90°</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>Eje neutro</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>Por grado</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>Acerca de Brimlet 5</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet versión 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>Este programa está pensado para estudiantes y profesores de ingeniería, así como para profesionales de la ingeniería. Incluye varios solucionadores de ecuaciones y numerosos factores de conversión que ayudan en tareas de ingeniería complejas.</translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation>Versión 5.0.0
Copyright (C) 2026 The Brimlet developers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CBrimletView</name>
    <message>
        <source>%1: the tools are in the menus (Alt)</source>
        <translation>%1: las herramientas están en los menús (Alt)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Cierra la aplicación; pregunta si se guardan los documentos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Acerca de %1</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Muestra información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>No se pudo abrir el documento.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>No se pudo guardar el documento.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>&amp;Matemáticas</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>Ecuación de la recta</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>Teorema de Pitágoras</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>Ecuación de segundo grado</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>&amp;Física</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>Incertidumbre absoluta</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>Tolerancia de doblado</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Combinaciones</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Variaciones</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>Prefijos del SI</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>&amp;Química</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>Tabla periódica</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>As&amp;tronomía</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>Datos de los planetas del sistema solar</translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation>&amp;Calculadoras</translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation>Calculadora científica</translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation>Calculadora básica</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>C&amp;onversiones</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números romanos</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
</context>
<context>
    <name>Degrees</name>
    <message>
        <source>Temperature Converter</source>
        <translation>Conversión de temperatura</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>Introduzca la temperatura...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>Unidad de entrada...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
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
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>First result</source>
        <translation>Primer resultado</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>Segundo resultado</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>Unidad del primer resultado</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>Unidad del segundo resultado</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>Conversión grados/radianes</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>Grados...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>Radianes...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; Convertir &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>Vueltas...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Vueltas</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>Conversión de energía</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valor...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Julios</translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation variants="yes">
            <lengthvariant>Ergios</lengthvariant>
            <lengthvariant>erg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorías</translation>
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
        <translation>Resultados...</translation>
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
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation>Figura</translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation>Conversión de fuerza</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valor...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newtons</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dinas</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Libras</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation variants="yes">
            <lengthvariant>Toneladas cortas</lengthvariant>
            <lengthvariant>tn</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>Ecuación de la recta</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Datos...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>Punto 1:</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>Punto 2:</translation>
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
        <translation>Punto 1 X</translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation>Punto 1 Y</translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation>Punto 2 X</translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation>Punto 2 Y</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation variants="yes">
            <lengthvariant>Pendiente:</lengthvariant>
            <lengthvariant>m:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>Ordenadas en el origen:</lengthvariant>
            <lengthvariant>Ordenadas:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distancia:</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation variants="yes">
            <lengthvariant>Punto medio:  X</lengthvariant>
            <lengthvariant>Pto. medio: X</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation>Punto medio X</translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation>Punto medio Y</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>NOTA: pendiente = -9999999999 significa no definida.</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>Ordenada en el origen por el punto 1</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>Ordenada en el origen por el punto 2</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>Conversión de longitudes</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>Introduzca el valor y elija su unidad...</translation>
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
        <translation>Año luz</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centímetros</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation variants="yes">
            <lengthvariant>Pulgadas</lengthvariant>
            <lengthvariant>pulg.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Millas</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilómetros</translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation>Años luz</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
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
        <translation>Gestión de memoria</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>Memoria 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>Memoria 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>Memoria 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Sto</translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>Guarda la pantalla en la memoria 1</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>Guarda la pantalla en la memoria 2</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>Guarda la pantalla en la memoria 3</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Rec</translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>Recupera la memoria 1</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>Recupera la memoria 2</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>Recupera la memoria 3</translation>
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
            <lengthvariant>Borrar</lengthvariant>
            <lengthvariant>C</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
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
        <translation>sen</translation>
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
        <translation>Retr</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Help</source>
        <translation variants="yes">
            <lengthvariant>Ayuda</lengthvariant>
            <lengthvariant>?</lengthvariant>
        </translation>
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
        <translation>Tecla sin uso</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>Calcular (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>Introduzca un entero entre 1 y 170</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>Qué hacen las teclas menos evidentes:

[Sto] guarda el número de la pantalla en la memoria 1, 2 o 3.
[Rec] toma un número de la memoria y lo devuelve a la pantalla.
[MC] borra las memorias.
[Retr] borra el último carácter de la pantalla (como la tecla Retroceso).
[CH] borra el historial de la parte inferior de la ventana.

Pulse [Aceptar] para volver.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números romanos</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>Conversión de números...</translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation variants="yes">
            <lengthvariant>Romano:</lengthvariant>
            <lengthvariant>Rom.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>Número romano</translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation variants="yes">
            <lengthvariant>Arábigo:</lengthvariant>
            <lengthvariant>Aráb.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>Número arábigo</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>Romano a arábigo</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>Arábigo a romano</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>¡El número debe estar entre 1 y 3999!</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>Introduzca un número romano entre I y MMMCMXCIX.</translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation>Tabla periódica de los elementos</translation>
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
        <translation>LANTÁNIDOS</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>ACTÍNIDOS</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>Datos del elemento:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation variants="yes">
            <lengthvariant>Símbolo:</lengthvariant>
            <lengthvariant>Símb.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>Masa atómica:</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Masa atómica</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>Número atómico:</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Número atómico</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1, número atómico %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>Variación</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>Datos de V(n, r):</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>Resultado V(n, r):</translation>
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
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Mostrar figura</translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation>%1 - Figura</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar figura</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Guardar figura como...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar figura como</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>No se puede escribir %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>Propiedades de los planetas</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>Elija un planeta...</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutón</translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation>Datos del planeta...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation>Distancia media al Sol, 10^6 km:</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>Distancia media al Sol, 10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>Periodo orbital, años:</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>Periodo orbital, años</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>Periodo de rotación, días:</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>Periodo de rotación, días</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation>Velocidad orbital, km/s:</translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>Velocidad orbital, km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation>Diámetro ecuatorial, km:</translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>Diámetro ecuatorial, km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>Masa (Tierra=1):</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>Masa (Tierra=1)</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>Densidad (agua=1):</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>Densidad (agua=1)</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation>Gravedad (g):</translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>Gravedad (g)</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation>Velocidad de escape, km/s:</translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>Velocidad de escape, km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>Satélites conocidos (lunas):</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>Satélites conocidos (lunas)</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>Recuento del Minor Planet Center de la UAI del 11 de marzo de 2025</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>NOTAS:</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  Venus, Urano y Plutón giran en sentido contrario a su órbita.</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  Gravedad (g) medida en el ecuador del planeta.</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  Lunas según el Minor Planet Center de la UAI, 11 de marzo de 2025.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>Conversión de potencia</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valor...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation>Horsepower (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation>ft*lb/s</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>Prefijos del SI</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>Potencia de 10...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>Resultado...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Factor:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation variants="yes">
            <lengthvariant>Prefijo:</lengthvariant>
            <lengthvariant>Pref.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation variants="yes">
            <lengthvariant>Símbolo:</lengthvariant>
            <lengthvariant>Símb.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation>Teclado...</translation>
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
        <translation>Más / menos</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>Potencia de 10</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>Busca el prefijo de la potencia de 10 escrita en el campo</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>Busca el prefijo de la potencia de 10 fijada con las teclas</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>Conversión de presiones</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Datos...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
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
        <translation>Atmósferas (atm)</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation>Milímetros de mercurio (mmHg)</translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>Pascales (Pa)</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>Kilopascales (kPa)</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation>Newtons por metro cuadrado (N/m²)</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation>Teorema de Pitágoras</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Cateto 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Cateto 2</translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation>Hipotenusa</translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation variants="yes">
            <lengthvariant>Cateto 1:</lengthvariant>
            <lengthvariant>Cat. 1:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation variants="yes">
            <lengthvariant>Cateto 2:</lengthvariant>
            <lengthvariant>Cat. 2:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation>Hipotenusa:</translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation>Calcular hipotenusa</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Calcular cateto</translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation>¿Terna pitagórica?</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>Valores conocidos...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>Ecuación de segundo grado</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>Introduzca los coeficientes de la ecuación...</translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation>Coeficiente a</translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation>Coeficiente b</translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation>Coeficiente c</translation>
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
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation>Primer valor de x</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>y     X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>Segundo valor de x</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>Calcular x</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
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
        <translation>vacío</translation>
    </message>
</context>
<context>
    <name>SimpleCalc</name>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
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
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retr</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>Conversión de velocidad</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valor...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
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
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>Mostrar cálculo</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - Cálculo</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>Cálculo actualizado</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>Aún no hay cálculo: aquí aparecen los pasos del próximo cálculo.</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>Combinación</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>Datos de C(n, r):</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>Resultado C(n, r):</translation>
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
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>Conversión de tiempo</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Valor...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation variants="yes">
            <lengthvariant>Segundos</lengthvariant>
            <lengthvariant>s</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>Copiar todos los campos</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Tecla: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Teclas: %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
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
        <translation>Supr</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Copy Field in the window&apos;s context menu (Shift+F10) copies it</source>
        <translation>«Copiar campo» del menú contextual de la ventana (Mayús+F10) lo copia</translation>
    </message>
    <message>
        <source>Copy Field</source>
        <translation>Copiar campo</translation>
    </message>
    <message>
        <source>%1 fields copied</source>
        <translation>%1 campos copiados</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 copiado</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>Incertidumbre absoluta</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Primer valor</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>Incertidumbre relativa del primer valor, en %</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>Segundo valor</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>Incertidumbre absoluta del segundo valor</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>Calcular incert. abs.</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>Calcular incert. rel. en %</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
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
        <translation>Datos...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation>Conversión de masas</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>Valor y unidad:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
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
        <translation>Resultado:</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation variants="yes">
            <lengthvariant>Gramos</lengthvariant>
            <lengthvariant>g</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>Kilogramos</lengthvariant>
            <lengthvariant>kg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Libras</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Onzas</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>Grados = %1 &gt; 0, así que se pasa de grados a radianes, tomando 3.14 por π</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>Radianes = grados × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>Grados = %1 no es mayor que 0 y radianes = %2 &gt; 0, así que se pasa de radianes a grados, tomando 3.14 por π</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>Grados = radianes × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>Ni grados (%1) ni radianes (%2) son mayores que 0: no se convierte nada</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>Vueltas = radianes × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1, el número entero con que empieza %2 (0 si no hay ninguno)</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 no está entre 1 y 3999: &quot;¡El número debe estar entre 1 y 3999!&quot;, y se vacían los dos campos</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>Se toma, grupo de letras a grupo de letras, el mayor valor que no supere lo que queda:</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>Romano = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>Se suman los grupos de letras de %1, de mayor a menor:</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>&quot;Introduzca un número romano entre I y MMMCMXCIX.&quot;</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>Arábigo = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%1 − %2 = %3 de resto, tomando %4 (%5 ≥ %6)</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%1 + %2 = %3, sumando %4 (%5)</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>%1 suma %2, pero %3 se escribe de otra forma: no es un número romano estándar</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>En %1 sobran letras una vez tomados los valores: no es un número romano estándar</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 no es un número: &quot;Introduzca un número.&quot; La lectura se detiene; este campo y los siguientes conservan sus valores</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 no es un número entero: &quot;Introduzca un número entero.&quot; La lectura se detiene; este campo y los siguientes conservan sus valores</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1: %2 se lee como %3, el número con que empieza</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1: %2 se lee como %3, el número entero con que empieza</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>… %1 pasos más omitidos, para que quepa en una pantalla</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>Se borran todos los campos: los números a 0 y los textos vacíos</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>%1 es %2: un radio no puede ser negativo.</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>%1 es %2: la chapa necesita un espesor mayor que 0.</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>%1 es %2: no hay doblez que dibujar.</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>%1 es %2: un doblez de una vuelta completa o más se solapa consigo mismo.</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>La chapa es demasiado fina respecto a su radio de doblado para dibujarla.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>El campo %1 muestra %2; el eje neutro se dibuja a un tercio del espesor dentro de la chapa.</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>TD %1</translation>
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
        <translation>EN</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>Tolerancia de doblado %1 sobre el eje neutro (a trazos), de radio %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>Chapa de espesor %1 doblada %2 grados con un radio interior de %3; radio del eje neutro %4; tolerancia de doblado %5 sobre el eje neutro</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>No hay nada que dibujar.</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>Los números son demasiado dispares para dibujarlos a escala.</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>%1 está vacío, no es un número: no hay nada que dibujar.</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>%1 es %2, no un número: no hay nada que dibujar.</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>%1 es %2, un valor infinito: no se puede dibujar.</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>%1 es %2: demasiado grande para dibujarlo a escala.</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>Los dos puntos son %1: una recta necesita dos puntos distintos.</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>Los dos puntos están demasiado próximos respecto a su distancia al origen para dibujarlos por separado.</translation>
    </message>
    <message>
        <source>Point 1 %1</source>
        <translation>Punto 1 %1</translation>
    </message>
    <message>
        <source>Point 2 %1</source>
        <translation>Punto 2 %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>distancia %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>punto medio (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>El punto medio %1 queda fuera de la figura.</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>Recta vertical: pendiente no definida (%1), sin ordenada en el origen.</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>Pendiente %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>ordenada en el origen %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 = %2 queda fuera de la figura.</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>abscisa en el origen %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>Recta vertical por %1 y %2; pendiente no definida; distancia %3; punto medio %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>Recta por %1 y %2; pendiente %3; ordenada en el origen %4; distancia %5; punto medio %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>%1 es %2: la ecuación no es de segundo grado, así que no hay parábola que dibujar.</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 = %2 no es solución de la ecuación tal como está planteada.</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>Los números de la parábola son demasiado grandes para dibujarla a escala.</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>La parábola es demasiado estrecha respecto a su distancia al origen para dibujarla a escala.</translation>
    </message>
    <message>
        <source>vertex (%1)</source>
        <translation>vértice (%1)</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>No real x-value: the parabola does not meet the x axis.</source>
        <translation>Ningún valor real de x: la parábola no corta el eje x.</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>ningún valor real de x</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>valores de x aún sin calcular</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>un valor de x, %1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>valores de x %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>Parábola abierta hacia arriba; %1; vértice en %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>Parábola abierta hacia abajo; %1; vértice en %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>%1 es %2: un triángulo rectángulo necesita los dos catetos mayores que 0.</translation>
    </message>
    <message>
        <source>Side 1: %1</source>
        <translation>Cateto 1: %1</translation>
    </message>
    <message>
        <source>Side 2: %1</source>
        <translation>Cateto 2: %1</translation>
    </message>
    <message>
        <source>%1 field shows nothing; the sides make it %2.</source>
        <translation>El campo %1 está vacío; los catetos dan %2.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>El campo %1 muestra %2; los catetos dan %3.</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>Hipotenusa: %1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>Triángulo rectángulo; catetos %1 y %2; hipotenusa %3; ángulo recto entre los catetos</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>Recta numérica</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1; primer valor %2, de %3 a %4</translation>
    </message>
    <message>
        <source>%1; second value %2, from %3 to %4</source>
        <translation>%1; segundo valor %2, de %3 a %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the sheet</source>
        <translation>Radio R = %1, espesor T = %2, ángulo A = %3°; el eje neutro está a un tercio de T dentro de la chapa</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>Eje neutro = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>Para doblez a 90° = eje neutro × 1.5708 (π/2 con cuatro decimales) = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>Por grado = doblez a 90° ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>Tolerancia de doblado = por grado × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4 (%5 factores) = %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>A partir de ahí el producto es %1: los factores que faltan (%2) como mucho le cambian el signo, así que %3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>A partir de ahí el producto es %1 y el contador nunca llega a 1 (restarle 1 ya no lo cambia): los factores que faltan como mucho le cambian el signo, así que %2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>La recta que pasa por (x₁, y₁) = (%1, %2) y (x₂, y₂) = (%3, %4)</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>Diferencia en x: x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>La diferencia en x es 0: la recta es vertical y no tiene pendiente; el programa guarda %1 en su lugar</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>Diferencia en y: y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>La diferencia en y es 0: la recta es horizontal, pendiente m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>Pendiente m = diferencia en y ÷ diferencia en x = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>Ordenada en el origen por el punto 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>Ordenada en el origen por el punto 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>Ambas usan el valor guardado %1 como si fuera una pendiente: una recta vertical no tiene ordenada en el origen, salvo si es el propio eje y</translation>
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
        <translation>Distancia = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
    </message>
    <message>
        <source>Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Punto medio X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Punto medio Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, r = %2</source>
        <translation>P(n, r) = n × (n − 1) × …, un factor más en cada paso mientras el contador r sea mayor que 1; n = %1, r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 no es mayor que 1: no hay factores después de n, así que P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>Se busca 10^%1 entre los veinte prefijos del SI (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>10^%1 es %2, símbolo %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>Ningún prefijo es 10^%1: prefijo y símbolo &quot;No válido&quot;</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>Factor = %1, el exponente buscado</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>%1 no tiene opuesto entre los enteros que admite el campo: se queda en %2</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>Potencia de 10 = −(%1) = %2; no se busca nada</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>Potencia de 10 = %1 (%2); no se busca nada</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>Hipotenusa c = √(a² + b²), con catetos a = %1 y b = %2</translation>
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
        <translation>%1 %2 = %3 es mayor que 0, así que %4 %5 = √(c² − %6²), con c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 es menor que 0: el cateto es más largo que la hipotenusa y ningún triángulo rectángulo los tiene; √%2 no es un número real y el campo muestra %3</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>Ningún cateto es mayor que 0 (Cateto 1 = %1, Cateto 2 = %2): &quot;No se han introducido datos.&quot;</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>Lados de un triángulo rectángulo si a² + b² = c² exactamente: a = %1, b = %2, c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2: &quot;¡Sí, es una terna pitagórica!&quot;</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2: &quot;¡No, no es una terna pitagórica!&quot;</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0 con a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 es menor que 0: ningún x real es solución; √%2 no es un número, ni tampoco x₁ y x₂, que se muestran como %3</translation>
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
        <translation>2a es 0: con a = 0 la ecuación no es de segundo grado, y x₁, x₂ dividen entre cero</translation>
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
        <translation>C(n, r) = n! ÷ (r! × (n − r)!), con n = %1 y r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>Aquí x! = x × (x − 1) × … hasta el primer factor no mayor que 1, y el propio x cuando x no es mayor que 1</translation>
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
        <translation>r! × (n − r)! es 0 (aquí el factorial de 0 o de un número menor es ese mismo número): la división entre cero da %1</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2, ya que %3 no es mayor que 1</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>Incertidumbre absoluta = (porcentaje ÷ 100) × valor, con valor %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>Incertidumbre relativa en % = (incertidumbre absoluta ÷ valor) × 100, con valor %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>El valor es 0: una fracción de nada; %1 ÷ 0 es %2, y el resultado también</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Error interno de la aplicación.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>%1 es «%2», no un número: no hay nada que dibujar.</translation>
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
        <translation>No válido</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>No se han introducido datos.</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>¡Sí, es una terna pitagórica!</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>¡No, no es una terna pitagórica!</translation>
    </message>
</context>
</TS>
