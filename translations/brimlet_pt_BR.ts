<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>Tolerância de dobra</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>Dados...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>Raio interno de dobra R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation variants="yes">
            <lengthvariant>Raio interno de dobra R:</lengthvariant>
            <lengthvariant>Raio interno R:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation variants="yes">
            <lengthvariant>Espessura da chapa T:</lengthvariant>
            <lengthvariant>Espessura T:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>Ângulo de dobra A:</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>Espessura da chapa T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>Ângulo de dobra A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>Calcular tolerância de dobra</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation variants="yes">
            <lengthvariant>Tolerância de dobra:</lengthvariant>
            <lengthvariant>Tolerância:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation variants="yes">
            <lengthvariant>Linha neutra:</lengthvariant>
            <lengthvariant>L. neutra:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>Dobra a 90°:</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>Por grau:</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>Detalhes do cálculo:</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>Dobra a 90°</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>Linha neutra</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>Por grau</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>Sobre o Brimlet 5</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet versão 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>Este software é destinado a estudantes e professores de engenharia, bem como a engenheiros profissionais. O programa inclui diversos solucionadores de equações e vários fatores de conversão para ajudar em tarefas complexas de engenharia.</translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation>Versão 5.0.0
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
        <translation>%1: as ferramentas estão nos menus (Alt)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Fecha o aplicativo; pergunta se os documentos devem ser salvos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Sobre o %1</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Exibe informações do programa, número da versão e direitos autorais</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Não foi possível abrir o documento.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Não foi possível salvar o documento.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>&amp;Matemática</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>Equação da reta</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>Teorema de Pitágoras</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>Fórmula de Bhaskara</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>&amp;Física</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>Incerteza absoluta</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>Tolerância de dobra</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Combinações</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Arranjos</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>Prefixos SI</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>&amp;Química</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>Tabela periódica</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>A&amp;stronomia</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>Planetas do Sistema Solar</translation>
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
        <translation>Con&amp;versões</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Força</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Algarismos romanos</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Graus e radianos</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Massa</translation>
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
        <translation>Conversão de temperatura</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>Digite a temperatura...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>Escolha a escala...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
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
        <translation>Primeiro resultado</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>Segundo resultado</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>Unidade do primeiro resultado</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>Unidade do segundo resultado</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>Conversão graus/radianos</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>Graus...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>Radianos...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Graus</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radianos</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; Converter &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>Rotações...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Rotações</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>Conversão de energia</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Entrada...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
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
        <translation>Calorias</translation>
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
        <translation>Limpar</translation>
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
        <translation>Conversão de força</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Entrada...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
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
            <lengthvariant>Toneladas curtas</lengthvariant>
            <lengthvariant>tn</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>Equação da reta</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Dados...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>Ponto 1:</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>Ponto 2:</translation>
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
        <translation>Ponto 1, X</translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation>Ponto 1, Y</translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation>Ponto 2, X</translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation>Ponto 2, Y</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation variants="yes">
            <lengthvariant>Coeficiente angular:</lengthvariant>
            <lengthvariant>m:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Coeficiente angular</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>Coeficientes lineares:</lengthvariant>
            <lengthvariant>Coef. lin.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distância:</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation variants="yes">
            <lengthvariant>Ponto médio:  X</lengthvariant>
            <lengthvariant>Pto. médio: X</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation>Ponto médio, X</translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation>Ponto médio, Y</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>NOTA: m = -9999999999 significa indefinido.</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>Coeficiente linear pelo ponto 1</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>Coeficiente linear pelo ponto 2</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>Conversão de comprimento</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>Digite o valor e escolha a unidade...</translation>
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
        <translation>Ano-luz</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation variants="yes">
            <lengthvariant>Metros</lengthvariant>
            <lengthvariant>m</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation variants="yes">
            <lengthvariant>Centímetros</lengthvariant>
            <lengthvariant>cm</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Inches</source>
        <translation variants="yes">
            <lengthvariant>Polegadas</lengthvariant>
            <lengthvariant>in</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Feet</source>
        <translation variants="yes">
            <lengthvariant>Pés</lengthvariant>
            <lengthvariant>ft</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Miles</source>
        <translation variants="yes">
            <lengthvariant>Milhas</lengthvariant>
            <lengthvariant>mi</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation variants="yes">
            <lengthvariant>Quilômetros</lengthvariant>
            <lengthvariant>km</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation>Anos-luz</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
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
        <translation>Visor</translation>
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
        <translation>Controle de memória</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>Memória 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>Memória 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>Memória 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation variants="yes">
            <lengthvariant>Armazenar</lengthvariant>
            <lengthvariant>Arm</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>Armazena o número do visor na memória 1</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>Armazena o número do visor na memória 2</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>Armazena o número do visor na memória 3</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation variants="yes">
            <lengthvariant>Recuperar</lengthvariant>
            <lengthvariant>Rec</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>Recupera o número da memória 1</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>Recupera o número da memória 2</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>Recupera o número da memória 3</translation>
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
            <lengthvariant>Limpar</lengthvariant>
            <lengthvariant>C</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
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
        <translation>tg</translation>
    </message>
    <message>
        <source>Csc</source>
        <translation variants="yes">
            <lengthvariant>cossec</lengthvariant>
            <lengthvariant>csc</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Cot</source>
        <translation>cotg</translation>
    </message>
    <message>
        <source>Back</source>
        <translation variants="yes">
            <lengthvariant>Apagar</lengthvariant>
            <lengthvariant>←</lengthvariant>
        </translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Help</source>
        <translation variants="yes">
            <lengthvariant>Ajuda</lengthvariant>
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
        <translation variants="yes">
            <lengthvariant>floor</lengthvariant>
            <lengthvariant>flo</lengthvariant>
        </translation>
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
        <translation>Tecla sem função</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>Calcular (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>Digite um número inteiro entre 1 e 170</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>O que significam os botões menos óbvios:

[Arm] armazena o número do visor na memória 1, 2 ou 3.
[Rec] recupera um número da memória e o coloca de volta no visor.
[MC] limpa as memórias.
[←] apaga o último caractere do visor (como a tecla Backspace).
[CH] limpa o histórico na parte de baixo da janela.

Clique em [OK] para voltar.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
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
        <translation>Algarismos romanos</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>Conversão de números...</translation>
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
            <lengthvariant>Arábico:</lengthvariant>
            <lengthvariant>Aráb.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>Número arábico</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>De romano para arábico</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>De arábico para romano</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>O número deve estar entre 1 e 3999!</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>Digite um número romano entre I e MMMCMXCIX.</translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation>Tabela periódica dos elementos</translation>
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
        <translation>Lantanídeos</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>Actinídeos</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>Dados do elemento:</translation>
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
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>Massa atômica:</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Massa atômica</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>Número atômico:</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Número atômico</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1, número atômico %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>Arranjos</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>Digite os dados de P(n, r):</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>Resultado de P(n, r):</translation>
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
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
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
        <translation>Salvar figura como...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Salvar figura como</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>Não foi possível gravar %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>Propriedades dos planetas</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>Escolha um planeta...</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
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
        <translation>Netuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutão</translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation>Dados do planeta...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation>Distância média do Sol, 10^6 km:</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>Distância média do Sol, 10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>Período de translação, anos:</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>Período de translação, anos</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>Período de rotação, dias:</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>Período de rotação, dias</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation>Velocidade orbital, km/s:</translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>Velocidade orbital, km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation>Diâmetro equatorial, km:</translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>Diâmetro equatorial, km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>Massa (Terra=1):</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>Massa (Terra=1)</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>Densidade (água=1):</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>Densidade (água=1)</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation variants="yes">
            <lengthvariant>Aceleração da gravidade (g):</lengthvariant>
            <lengthvariant>Aceleração (g):</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>Aceleração da gravidade (g)</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation>Velocidade de escape, km/s:</translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>Velocidade de escape, km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>Satélites conhecidos (luas):</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>Satélites conhecidos (luas)</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>Contagem do Minor Planet Center da UAI em 11 de março de 2025</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>NOTAS:</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  Vênus, Urano e Plutão têm rotação retrógrada.</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  Aceleração da gravidade (g) medida no equador do planeta.</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  Luas segundo o Minor Planet Center da UAI, em 11 de março de 2025.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>Conversão de potência</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Entrada...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
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
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>Prefixos SI</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>Digite a potência de 10...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>Resultado...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Fator:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation variants="yes">
            <lengthvariant>Prefixo:</lengthvariant>
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
        <translation>Fator</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefixo</translation>
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
        <translation>Limpar</translation>
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
        <translation>Mais / menos</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>Potência de 10</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>Busca o prefixo da potência de 10 digitada no campo</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>Busca o prefixo da potência de 10 definida com o teclado</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>Conversão de pressão</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Dados...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
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
        <translation>Atmosferas (atm)</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation>Milímetros de mercúrio (mmHg)</translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>Pascals (Pa)</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>Quilopascals (kPa)</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation>Newtons por metro quadrado (N/m²)</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
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
        <translation>Verificar terno pitagórico</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>Valores conhecidos...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opções...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>Fórmula de Bhaskara</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>Digite os coeficientes da equação...</translation>
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
        <translation>Primeira raiz x</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>e     X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>Segunda raiz x</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>Calcular raízes</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
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
        <translation>vazio</translation>
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
        <translation>Visor</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation variants="yes">
            <lengthvariant>Apagar</lengthvariant>
            <lengthvariant>←</lengthvariant>
        </translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>Conversão de velocidade</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Entrada...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
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
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>Mostrar passo a passo</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - Passo a passo</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passo a passo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>Passo a passo atualizado</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>Nenhum botão foi pressionado ainda: o passo a passo do próximo cálculo aparecerá aqui.</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>Combinações</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>Digite os dados de C(n, r):</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>Resultado de C(n, r):</translation>
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
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>Conversão de tempo</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Entrada...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
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
        <translation variants="yes">
            <lengthvariant>Horas</lengthvariant>
            <lengthvariant>h</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Anos</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>Copiar todos os campos</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
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
        <translation>Delete</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Copy Field in the window&apos;s context menu (Shift+F10) copies it</source>
        <translation>Para copiar este campo, use “Copiar campo” no menu de contexto da janela (Shift+F10)</translation>
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
        <translation>Copiado: %1</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>Incerteza absoluta</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Primeiro valor</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>Incerteza percentual do primeiro valor</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>Segundo valor</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>Incerteza absoluta do segundo valor</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>Calcular incerteza abs.</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>Calcular incerteza em %</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
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
        <translation>Dados...</translation>
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
        <translation>Conversão de massa</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>Valor e unidade:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor de entrada</translation>
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
            <lengthvariant>Gramas</lengthvariant>
            <lengthvariant>g</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>Quilogramas</lengthvariant>
            <lengthvariant>kg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Libras</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Onças</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>Graus = %1 &gt; 0, então os graus são convertidos em radianos, usando 3.14 para π</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>Radianos = graus × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>Graus = %1 não é maior que 0 e radianos = %2 &gt; 0, então os radianos são convertidos em graus, usando 3.14 para π</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>Graus = radianos × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>Nem graus (%1) nem radianos (%2) são maiores que 0: nada é convertido</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>Rotações = radianos × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1, o número inteiro com que %2 começa (0 se não houver)</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 não está entre 1 e 3999: “O número deve estar entre 1 e 3999!”, e os dois campos são esvaziados</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>Grupo de letras por grupo de letras, toma-se o maior valor que não ultrapassa o que resta:</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>Romano = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>Somam-se os grupos de letras de %1, do maior para o menor:</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>“Digite um número romano entre I e MMMCMXCIX.”</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>Arábico = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%1 − %2 = %3 restantes, tomando %4 (%5 ≥ %6)</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%1 + %2 = %3, somando %4 (%5)</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>%1 soma %2, mas %3 se escreve de outra forma: não é um número romano na forma padrão</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>Em %1 sobram letras depois de tomados os valores: não é um número romano na forma padrão</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 não é um número: “Digite um número.” A leitura para; este campo e os seguintes mantêm seus valores</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 não é um número inteiro: “Digite um número inteiro.” A leitura para; este campo e os seguintes mantêm seus valores</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1: %2 é lido como %3, o número do seu início</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1: %2 é lido como %3, o número inteiro do seu início</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>… mais %1 passos omitidos, para caber em uma tela</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>Todos os campos são limpos: números voltam a 0, textos ficam vazios</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>%1 vale %2: um raio não pode ser negativo.</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>%1 vale %2: uma chapa precisa ter espessura maior que 0.</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>%1 vale %2: não há dobra para desenhar.</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>%1 vale %2: uma dobra de uma volta completa ou mais se sobrepõe a si mesma.</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>A chapa é fina demais, em relação ao raio de dobra, para ser desenhada.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>O campo “%1” mostra %2; a linha neutra é desenhada a um terço da espessura a partir da face interna da chapa.</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>Tolerância %1</translation>
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
        <translation>linha neutra</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>Tolerância de dobra %1 ao longo da linha neutra (tracejada), raio %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>Chapa de espessura %1 dobrada a %2° em torno de um raio interno de %3; raio da linha neutra %4; tolerância de dobra %5 ao longo da linha neutra</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>Nada para desenhar.</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>Os números estão distantes demais entre si para desenhar em escala.</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>O campo “%1” está vazio, não é um número: não há nada para desenhar.</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>%1 vale %2, que não é um número: não há nada para desenhar.</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>%1 vale %2, um valor infinito: não é possível desenhá-lo.</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>%1 vale %2: grande demais para desenhar em escala.</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>Os dois pontos coincidem em %1: uma reta precisa de dois pontos distintos.</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>Os dois pontos estão próximos demais, em relação à distância até a origem, para serem desenhados separadamente.</translation>
    </message>
    <message>
        <source>Point 1 %1</source>
        <translation>Ponto 1 %1</translation>
    </message>
    <message>
        <source>Point 2 %1</source>
        <translation>Ponto 2 %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>distância %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>ponto médio (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>O ponto médio %1 fica fora da figura.</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>Reta vertical: o coeficiente angular é indefinido (%1), sem coeficiente linear.</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>Coeficiente angular %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>coeficiente linear %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 %2 fica fora da figura.</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>raiz %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>Reta vertical por %1 e %2; coeficiente angular indefinido; distância %3; ponto médio %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>Reta por %1 e %2; coeficiente angular %3; coeficiente linear %4; distância %5; ponto médio %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>%1 vale %2: a equação não é de segundo grau, então não há parábola para desenhar.</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 %2 não é solução da equação na forma atual.</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>Os números da parábola são grandes demais para desenhar em escala.</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>A parábola é estreita demais, em relação à distância até a origem, para desenhar em escala.</translation>
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
        <translation>Nenhuma raiz real: a parábola não corta o eixo x.</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>nenhuma raiz real</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>raízes ainda não calculadas</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>uma raiz, %1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>raízes %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>Parábola com concavidade para cima; %1; vértice em %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>Parábola com concavidade para baixo; %1; vértice em %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>%1 vale %2: um triângulo retângulo precisa de dois catetos maiores que 0.</translation>
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
        <translation>O campo “%1” está vazio; pelos catetos, o valor é %2.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>O campo “%1” mostra %2; pelos catetos, o valor é %3.</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>Hipotenusa: %1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>Triângulo retângulo; catetos %1 e %2; hipotenusa %3; ângulo reto entre os catetos</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>Reta numérica</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1; primeiro valor %2, de %3 a %4</translation>
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
        <translation>Raio R = %1, espessura T = %2, ângulo A = %3°; a linha neutra fica a um terço de T a partir da face interna da chapa</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>Raio da linha neutra = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>Tolerância para dobra a 90° = raio da linha neutra × 1.5708 (π/2 com quatro casas decimais) = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>Tolerância por grau = tolerância para dobra a 90° ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>Tolerância de dobra = tolerância por grau × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4 (%5 fatores) = %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>A partir daí o produto é %1: os fatores que ainda faltam (%2) mudam no máximo o seu sinal, então %3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>A partir daí o produto é %1, e o contador nunca chega a 1 (subtrair 1 dele já não o altera): os fatores seguintes mudam no máximo o seu sinal, então %2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>A reta que passa por (x₁, y₁) = (%1, %2) e (x₂, y₂) = (%3, %4)</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>Variação em x: x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>A variação em x é 0: a reta é vertical e não tem coeficiente angular; o programa guarda %1 no lugar dele</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>Variação em y: y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>A variação em y é 0: a reta é horizontal, coeficiente angular m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>Coeficiente angular m = variação em y ÷ variação em x = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>Coeficiente linear pelo ponto 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>Coeficiente linear pelo ponto 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>Os dois cálculos usam o valor guardado %1 como se fosse um coeficiente angular: uma reta vertical não tem coeficiente linear, a não ser que seja o próprio eixo y</translation>
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
        <translation>Distância = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
    </message>
    <message>
        <source>Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Ponto médio X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Ponto médio Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, r = %2</source>
        <translation>P(n, r) = n × (n − 1) × …, um fator a mais a cada passagem, enquanto o contador r for maior que 1; n = %1, r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 não é maior que 1: não há fator depois de n, então P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>Procura-se 10^%1 entre os vinte prefixos SI (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>10^%1 é %2, símbolo %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>Nenhum prefixo corresponde a 10^%1: prefixo e símbolo “Inválido”</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>Fator = %1, o expoente procurado</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>%1 não tem oposto entre os inteiros que o campo comporta: o valor continua %2</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>Potência de 10 = −(%1) = %2; nada é procurado</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>Potência de 10 = %1 (%2); nada é procurado</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>Hipotenusa c = √(a² + b²), com os catetos a = %1 e b = %2</translation>
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
        <translation>%1 %2 = %3 é maior que 0, então %4 %5 = √(c² − %6²), com c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 é menor que 0: o cateto é maior que a hipotenusa, e nenhum triângulo retângulo tem essas medidas; √%2 não é um número real e o campo mostra %3</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>Nenhum cateto é maior que 0 (Cateto 1 = %1, Cateto 2 = %2): “Nenhum dado informado.”</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>São lados de um triângulo retângulo se a² + b² = c² exatamente: a = %1, b = %2, c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2: “Sim, é um terno pitagórico!”</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2: “Não, não é um terno pitagórico!”</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0 com a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 é menor que 0: nenhum x real é solução; √%2 não é um número, nem x₁ e x₂, mostrados como %3</translation>
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
        <translation>2a é 0: com a = 0 a equação não é de segundo grau, e x₁, x₂ dividem por zero</translation>
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
        <translation>C(n, r) = n! ÷ (r! × (n − r)!), com n = %1 e r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>Aqui x! = x × (x − 1) × … até o primeiro fator que não é maior que 1, e é o próprio x quando x não é maior que 1</translation>
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
        <translation>r! × (n − r)! é 0 (aqui o fatorial de 0 ou de um número menor é o próprio número): a divisão por zero dá %1</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2, pois %3 não é maior que 1</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>Incerteza absoluta = (percentual ÷ 100) × valor, com o valor %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>Incerteza percentual = (incerteza absoluta ÷ valor) × 100, com o valor %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>O valor é 0: uma fração de nada; %1 ÷ 0 é %2, e o resultado também</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Erro interno do aplicativo.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Digite um número.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>%1 vale “%2”, que não é um número: não há nada para desenhar.</translation>
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
        <translation>Inválido</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>Nenhum dado informado.</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>Sim, é um terno pitagórico!</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>Não, não é um terno pitagórico!</translation>
    </message>
</context>
</TS>
