<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>Припуск на гибку</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>Данные...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>Внутренний радиус гибки R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation variants="yes">
            <lengthvariant>Внутренний радиус гибки R:</lengthvariant>
            <lengthvariant>Внутр. радиус R:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation>Толщина листа T:</translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>Угол гибки A:</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>Толщина листа T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>Угол гибки A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>Вычислить припуск на гибку</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation variants="yes">
            <lengthvariant>Припуск на гибку:</lengthvariant>
            <lengthvariant>Припуск:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation variants="yes">
            <lengthvariant>Нейтральный слой:</lengthvariant>
            <lengthvariant>Нейтр. слой:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>Для угла 90°:</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>На градус:</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>Подробности расчёта:</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>Для угла 90°</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>Нейтральный слой</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>На градус</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>О программе Brimlet 5</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet, версия 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>Программа предназначена для студентов и преподавателей инженерных специальностей, а также для практикующих инженеров. В ней есть решатели уравнений и множество переводных коэффициентов в помощь при сложных инженерных расчётах.</translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation>Версия 5.0.0
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
        <translation>%1: инструменты находятся в меню (Alt)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Завершение работы программы с предложением сохранить документы</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;О программе %1</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Не удалось открыть документ.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Не удалось сохранить документ.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>&amp;Математика</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>Уравнение прямой</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>Теорема Пифагора</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>Квадратное уравнение</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>Ф&amp;изика</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>Абсолютная погрешность</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>Припуск на гибку</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Сочетания</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Размещения</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>Приставки СИ</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>&amp;Химия</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>Периодическая система</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>&amp;Астрономия</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>Планеты Солнечной системы</translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation>&amp;Калькуляторы</translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation>Инженерный калькулятор</translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation>Обычный калькулятор</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>&amp;Перевод единиц</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Энергия</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Сила</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Римские цифры</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Давление</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Градусы и радианы</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Масса</translation>
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
        <translation>Перевод температуры</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>Введите температуру...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>Выберите шкалу...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Celcius</source>
        <translation>Цельсий</translation>
    </message>
    <message>
        <source>Farengheit</source>
        <translation>Фаренгейт</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Кельвин</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>First result</source>
        <translation>Первый результат</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>Второй результат</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>Единица первого результата</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>Единица второго результата</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>Перевод градусов и радиан</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>Градусы...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>Радианы...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Градусы</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Радианы</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; Перевести &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>Обороты...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Обороты</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>Перевод единиц энергии</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Ввод...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation variants="yes">
            <lengthvariant>Джоули</lengthvariant>
            <lengthvariant>J</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation variants="yes">
            <lengthvariant>Эрги</lengthvariant>
            <lengthvariant>erg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Calories</source>
        <translation variants="yes">
            <lengthvariant>Калории</lengthvariant>
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
        <translation>Результаты...</translation>
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
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation>Рисунок</translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation>Перевод единиц силы</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Ввод...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Ньютоны</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Дины</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Фунты</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation variants="yes">
            <lengthvariant>Короткие тонны</lengthvariant>
            <lengthvariant>tn</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>Уравнение прямой</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Данные...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>Точка 1:</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>Точка 2:</translation>
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
        <translation>Точка 1, X</translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation>Точка 1, Y</translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation>Точка 2, X</translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation>Точка 2, Y</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation variants="yes">
            <lengthvariant>Угловой коэффициент:</lengthvariant>
            <lengthvariant>m:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Угловой коэффициент</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>Отрезки на оси Y:</lengthvariant>
            <lengthvariant>Отрезки:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation variants="yes">
            <lengthvariant>Расстояние:</lengthvariant>
            <lengthvariant>Расст.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation>Середина:    X</translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation>Середина, X</translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation>Середина, Y</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>Примечание: m = -9999999999 — не определён.</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>Отрезок на оси Y по точке 1</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>Отрезок на оси Y по точке 2</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>Перевод единиц длины</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>Введите значение и выберите единицу...</translation>
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
        <translation variants="yes">
            <lengthvariant>Световой год</lengthvariant>
            <lengthvariant>св. год</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Meters</source>
        <translation variants="yes">
            <lengthvariant>Метры</lengthvariant>
            <lengthvariant>m</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation variants="yes">
            <lengthvariant>Сантиметры</lengthvariant>
            <lengthvariant>cm</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Inches</source>
        <translation variants="yes">
            <lengthvariant>Дюймы</lengthvariant>
            <lengthvariant>in</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Feet</source>
        <translation variants="yes">
            <lengthvariant>Футы</lengthvariant>
            <lengthvariant>ft</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Miles</source>
        <translation variants="yes">
            <lengthvariant>Мили</lengthvariant>
            <lengthvariant>mi</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation variants="yes">
            <lengthvariant>Километры</lengthvariant>
            <lengthvariant>km</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation variants="yes">
            <lengthvariant>Световые годы</lengthvariant>
            <lengthvariant>св. годы</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
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
        <translation>Управление памятью</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>Память 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>Память 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>Память 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation variants="yes">
            <lengthvariant>Записать</lengthvariant>
            <lengthvariant>Зап</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>Записывает число с дисплея в память 1</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>Записывает число с дисплея в память 2</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>Записывает число с дисплея в память 3</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation variants="yes">
            <lengthvariant>Вызвать</lengthvariant>
            <lengthvariant>Выз</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>Вызывает число из памяти 1</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>Вызывает число из памяти 2</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>Вызывает число из памяти 3</translation>
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
            <lengthvariant>Сброс</lengthvariant>
            <lengthvariant>C</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
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
        <translation>tg</translation>
    </message>
    <message>
        <source>Csc</source>
        <translation variants="yes">
            <lengthvariant>cosec</lengthvariant>
            <lengthvariant>csc</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Cot</source>
        <translation>ctg</translation>
    </message>
    <message>
        <source>Back</source>
        <translation variants="yes">
            <lengthvariant>Стереть</lengthvariant>
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
            <lengthvariant>Справка</lengthvariant>
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
        <translation>Неиспользуемая клавиша</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>Вычислить (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>Введите целое число от 1 до 170</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>Что означают не самые очевидные кнопки:

[Зап] записывает число с дисплея в память 1, 2 или 3.
[Выз] возвращает число из памяти на дисплей.
[MC] очищает ячейки памяти.
[←] стирает последний символ на дисплее (как клавиша Backspace).
[CH] очищает историю вычислений внизу окна.

Нажмите [OK], чтобы вернуться.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>умножить на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>разделить на</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Римские цифры</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>Перевод чисел...</translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation variants="yes">
            <lengthvariant>Римское число:</lengthvariant>
            <lengthvariant>Рим.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>Римское число</translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation variants="yes">
            <lengthvariant>Арабское число:</lengthvariant>
            <lengthvariant>Араб.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>Арабское число</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>Из римского в арабское</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>Из арабского в римское</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>Число должно быть от 1 до 3999!</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>Введите римское число от I до MMMCMXCIX.</translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation>Периодическая система химических элементов</translation>
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
        <translation>Лантаноиды</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>Актиноиды</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>Данные элемента:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Знак:</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Знак элемента</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation variants="yes">
            <lengthvariant>Название:</lengthvariant>
            <lengthvariant>Назв.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>Атомная масса:</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Атомная масса</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>Атомный номер:</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Атомный номер</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1, атомный номер %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>Размещения</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>Введите данные для P(n, r):</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>Результат P(n, r):</translation>
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
        <translation>Результат</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сброс</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Изображение SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Показать рисунок</translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation>%1 - Рисунок</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Копировать рисунок</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Сохранить рисунок как...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Сохранить рисунок как</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>Не удалось записать %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>Характеристики планет</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>Выберите планету...</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Меркурий</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Венера</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Земля</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Марс</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Юпитер</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Сатурн</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Уран</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Нептун</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Плутон</translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation>Данные планеты...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation variants="yes">
            <lengthvariant>Среднее расстояние от Солнца, 10^6 km:</lengthvariant>
            <lengthvariant>Ср. расст. от Солнца, 10^6 km:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>Среднее расстояние от Солнца, 10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>Период обращения, лет:</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>Период обращения, лет</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>Период вращения, сут:</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>Период вращения, сут</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation variants="yes">
            <lengthvariant>Орбитальная скорость, km/s:</lengthvariant>
            <lengthvariant>Орбит. скорость, km/s:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>Орбитальная скорость, km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation variants="yes">
            <lengthvariant>Экваториальный диаметр, km:</lengthvariant>
            <lengthvariant>Экв. диаметр, km:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>Экваториальный диаметр, km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>Масса (Земля=1):</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>Масса (Земля=1)</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>Плотность (вода=1):</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>Плотность (вода=1)</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation variants="yes">
            <lengthvariant>Ускорение свободного падения (g):</lengthvariant>
            <lengthvariant>Ускорение (g):</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>Ускорение свободного падения (g)</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation variants="yes">
            <lengthvariant>Вторая космическая скорость, km/s:</lengthvariant>
            <lengthvariant>Вторая косм. скор., km/s:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>Вторая космическая скорость, km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>Известные спутники:</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>Известные спутники</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>По подсчёту Центра малых планет МАС на 11 марта 2025 г.</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>ПРИМЕЧАНИЯ:</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  Венера, Уран и Плутон имеют обратное вращение.</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  Ускорение свободного падения (g) дано для экватора планеты.</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  Число спутников по подсчёту Центра малых планет МАС на 11 марта 2025 г.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>Перевод единиц мощности</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Ввод...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation variants="yes">
            <lengthvariant>Лошадиные силы (hp)</lengthvariant>
            <lengthvariant>hp</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Ватты</translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation>ft*lb/s</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>Приставки СИ</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>Введите степень 10...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>Результат...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation variants="yes">
            <lengthvariant>Множитель:</lengthvariant>
            <lengthvariant>Множ.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation variants="yes">
            <lengthvariant>Приставка:</lengthvariant>
            <lengthvariant>Пр-ка:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation variants="yes">
            <lengthvariant>Обозначение:</lengthvariant>
            <lengthvariant>Обозн.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Множитель</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Приставка</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Обозначение</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation>Ввод кнопками...</translation>
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
        <translation>Плюс / минус</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>Степень 10</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>Находит приставку для степени 10, введённой в поле</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>Находит приставку для степени 10, заданной кнопками</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>Перевод единиц давления</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>Данные...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
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
        <translation>Атмосферы (atm)</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation variants="yes">
            <lengthvariant>Миллиметры ртутного столба (mmHg)</lengthvariant>
            <lengthvariant>мм рт. ст. (mmHg)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>Паскали (Pa)</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>Килопаскали (kPa)</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation variants="yes">
            <lengthvariant>Ньютоны на квадратный метр (N/m²)</lengthvariant>
            <lengthvariant>Ньютоны на м² (N/m²)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation>Теорема Пифагора</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Катет 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Катет 2</translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation>Гипотенуза</translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation variants="yes">
            <lengthvariant>Катет 1:</lengthvariant>
            <lengthvariant>Кат. 1:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation variants="yes">
            <lengthvariant>Катет 2:</lengthvariant>
            <lengthvariant>Кат. 2:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation>Гипотенуза:</translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation>Найти гипотенузу</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Найти катет</translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation>Проверить пифагорову тройку</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>Известные значения...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Действия...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>Квадратное уравнение</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>Введите коэффициенты уравнения...</translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation>Коэффициент a</translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation>Коэффициент b</translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation>Коэффициент c</translation>
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
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation>Первый корень x</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>и     X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>Второй корень x</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>Найти корни</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
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
        <translation>пусто</translation>
    </message>
</context>
<context>
    <name>SimpleCalc</name>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
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
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Back</source>
        <translation variants="yes">
            <lengthvariant>Стереть</lengthvariant>
            <lengthvariant>←</lengthvariant>
        </translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>умножить на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>разделить на</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>Перевод единиц скорости</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Ввод...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
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
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>Показать ход решения</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - Ход решения</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Ход решения</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>Ход решения обновлён</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>Пока ничего не вычислено: здесь появится ход решения после следующего нажатия кнопки.</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>Сочетания</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>Введите данные для C(n, r):</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>Результат C(n, r):</translation>
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
        <translation>Результат</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сброс</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>Перевод единиц времени</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>Ввод...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation variants="yes">
            <lengthvariant>Секунды</lengthvariant>
            <lengthvariant>с</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation variants="yes">
            <lengthvariant>Минуты</lengthvariant>
            <lengthvariant>мин</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Hours</source>
        <translation variants="yes">
            <lengthvariant>Часы</lengthvariant>
            <lengthvariant>ч</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Days</source>
        <translation variants="yes">
            <lengthvariant>Сутки</lengthvariant>
            <lengthvariant>сут</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Months</source>
        <translation variants="yes">
            <lengthvariant>Месяцы</lengthvariant>
            <lengthvariant>мес</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Years</source>
        <translation variants="yes">
            <lengthvariant>Годы</lengthvariant>
            <lengthvariant>год</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>Копировать все поля</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Клавиша: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Клавиши: %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
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
        <translation>Скопировать значение можно командой «Копировать поле» в контекстном меню окна (Shift+F10)</translation>
    </message>
    <message>
        <source>Copy Field</source>
        <translation>Копировать поле</translation>
    </message>
    <message>
        <source>%1 fields copied</source>
        <translation>Скопировано полей: %1</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>Скопировано: %1</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>Абсолютная погрешность</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Первое значение</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>Относительная погрешность первого значения, %</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>Второе значение</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>Абсолютная погрешность второго значения</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>Вычислить абс. погрешность</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>Вычислить погрешность в %</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
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
        <translation>Данные...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation>Перевод единиц массы</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>Значение и единица:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Исходное значение</translation>
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
        <translation>Результат:</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation variants="yes">
            <lengthvariant>Граммы</lengthvariant>
            <lengthvariant>g</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>Килограммы</lengthvariant>
            <lengthvariant>kg</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Фунты</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Унции</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>Градусы = %1 &gt; 0, поэтому градусы переводятся в радианы; π принимается равным 3.14</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>Радианы = градусы × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>Градусы = %1 не больше 0, а радианы = %2 &gt; 0, поэтому радианы переводятся в градусы; π принимается равным 3.14</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>Градусы = радианы × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>Ни градусы (%1), ни радианы (%2) не больше 0: переводить нечего</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>Обороты = радианы × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1 — целое число, с которого начинается %2 (0, если его нет)</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 не лежит в пределах от 1 до 3999: «Число должно быть от 1 до 3999!», и оба поля очищаются</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>Для каждой группы букв по очереди берём наибольшее значение, не превышающее остаток:</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>Римское число = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>Складываем группы букв числа %1, начиная с наибольшей:</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>«Введите римское число от I до MMMCMXCIX.»</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>Арабское число = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%1 − %2 = %3 в остатке, берём %4 (%5 ≥ %6)</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%1 + %2 = %3, прибавляем %4 (%5)</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>Сумма букв %1 равна %2, но %3 записывается иначе: это нестандартная запись римского числа</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>В %1 после выбора всех значений остались лишние буквы: это нестандартная запись римского числа</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 — не число: «Введите число.» Чтение прекращается; это поле и следующие за ним сохраняют свои значения</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 — не целое число: «Введите целое число.» Чтение прекращается; это поле и следующие за ним сохраняют свои значения</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1: %2 читается как %3 — число в начале записи</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1: %2 читается как %3 — целое число в начале записи</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>… пропущено ещё шагов: %1 — чтобы всё уместилось на одном экране</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>Все поля очищаются: числа сбрасываются в 0, тексты стираются</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>%1 = %2: радиус не может быть отрицательным.</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>%1 = %2: толщина листа должна быть больше 0.</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>%1 = %2: гиба нет, рисовать нечего.</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>%1 = %2: гиб на полный оборот и более накладывается сам на себя.</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>Лист слишком тонкий по сравнению с радиусом гибки, чтобы его нарисовать.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>В поле «%1» указано %2; нейтральный слой нарисован на трети толщины от внутренней стороны листа.</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>Припуск %1</translation>
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
        <translation>нейтр. слой</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>Припуск на гибку %1 по нейтральному слою (штриховая линия), радиус %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>Лист толщиной %1, согнутый на угол %2° по внутреннему радиусу %3; радиус нейтрального слоя %4; припуск на гибку %5 по нейтральному слою</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>Рисовать нечего.</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>Числа слишком сильно различаются, чтобы нарисовать их в масштабе.</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>Поле «%1» пусто, числа нет: рисовать нечего.</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>%1 = %2 — это не число: рисовать нечего.</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>%1 = %2 — бесконечное значение: его нельзя нарисовать.</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>%1 = %2: значение слишком велико, чтобы нарисовать его в масштабе.</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>Обе точки совпадают (%1): для прямой нужны две разные точки.</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>Точки слишком близки друг к другу по сравнению с их расстоянием от начала координат, чтобы нарисовать их раздельно.</translation>
    </message>
    <message>
        <source>Point 1 %1</source>
        <translation>Точка 1 %1</translation>
    </message>
    <message>
        <source>Point 2 %1</source>
        <translation>Точка 2 %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>расстояние %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>середина (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>Середина отрезка %1 не попадает на рисунок.</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>Вертикальная прямая: угловой коэффициент не определён (%1), отрезка на оси Y нет.</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>Угловой коэффициент %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>отрезок на оси Y %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 %2 не попадает на рисунок.</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>отрезок на оси X %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>Вертикальная прямая через %1 и %2; угловой коэффициент не определён; расстояние %3; середина %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>Прямая через %1 и %2; угловой коэффициент %3; отрезок на оси Y %4; расстояние %5; середина %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>%1 = %2: уравнение не квадратное, поэтому параболы нет.</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 %2 не является корнем уравнения в его нынешнем виде.</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>Числа параболы слишком велики, чтобы нарисовать её в масштабе.</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>Парабола слишком узкая по сравнению с её расстоянием от начала координат, чтобы нарисовать её в масштабе.</translation>
    </message>
    <message>
        <source>vertex (%1)</source>
        <translation>вершина (%1)</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>No real x-value: the parabola does not meet the x axis.</source>
        <translation>Действительных корней нет: парабола не пересекает ось X.</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>действительных корней нет</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>корни ещё не найдены</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>один корень, %1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>корни %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>Парабола ветвями вверх; %1; вершина в точке %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>Парабола ветвями вниз; %1; вершина в точке %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>%1 = %2: у прямоугольного треугольника оба катета должны быть больше 0.</translation>
    </message>
    <message>
        <source>Side 1: %1</source>
        <translation>Катет 1: %1</translation>
    </message>
    <message>
        <source>Side 2: %1</source>
        <translation>Катет 2: %1</translation>
    </message>
    <message>
        <source>%1 field shows nothing; the sides make it %2.</source>
        <translation>Поле «%1» пусто; по катетам получается %2.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>В поле «%1» указано %2; по катетам получается %3.</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>Гипотенуза: %1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>Прямоугольный треугольник; катеты %1 и %2; гипотенуза %3; прямой угол между катетами</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>Числовая прямая</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1; первое значение %2, от %3 до %4</translation>
    </message>
    <message>
        <source>%1; second value %2, from %3 to %4</source>
        <translation>%1; второе значение %2, от %3 до %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Результат: %1</translation>
    </message>
    <message>
        <source>Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the sheet</source>
        <translation>Радиус R = %1, толщина T = %2, угол A = %3°; нейтральный слой лежит на трети T от внутренней стороны листа</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>Радиус нейтрального слоя = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>Припуск для угла 90° = радиус нейтрального слоя × 1.5708 (π/2, округлённое до четырёх знаков) = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>Припуск на градус = припуск для угла 90° ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>Припуск на гибку = припуск на градус × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4 (множителей: %5) = %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>Дальше произведение равно %1: оставшиеся множители (%2) могут изменить разве что его знак, поэтому %3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>Дальше произведение равно %1, а счётчик никогда не опустится до 1 (вычитание 1 его уже не меняет): оставшиеся множители могут изменить разве что его знак, поэтому %2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>Прямая через точки (x₁, y₁) = (%1, %2) и (x₂, y₂) = (%3, %4)</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>Разность абсцисс x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>Разность абсцисс равна 0: прямая вертикальна и не имеет углового коэффициента; вместо него программа записывает %1</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>Разность ординат y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>Разность ординат равна 0: прямая горизонтальна, угловой коэффициент m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>Угловой коэффициент m = разность ординат ÷ разность абсцисс = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>Отрезок на оси Y по точке 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>Отрезок на оси Y по точке 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>В обоих случаях записанное значение %1 используется как угловой коэффициент: у вертикальной прямой нет отрезка на оси Y, если только она не совпадает с осью Y</translation>
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
        <translation>Расстояние = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
    </message>
    <message>
        <source>Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Середина, X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>Середина, Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, r = %2</source>
        <translation>P(n, r) = n × (n − 1) × …, на каждом проходе добавляется ещё один множитель, пока счётчик r больше 1; n = %1, r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 не больше 1: после n множителей нет, поэтому P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>Ищем 10^%1 среди двадцати приставок СИ (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>10^%1 — это %2, обозначение %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>Для 10^%1 приставки нет: в полях приставки и обозначения «Неверно»</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>Множитель = %1 — искомый показатель степени</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>У числа %1 нет противоположного среди целых чисел, которые вмещает поле: значение остаётся %2</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>Степень 10 = −(%1) = %2; поиск не выполняется</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>Степень 10 = %1 (%2); поиск не выполняется</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>Гипотенуза c = √(a² + b²), где катеты a = %1 и b = %2</translation>
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
        <translation>%1 %2 = %3 больше 0, поэтому %4 %5 = √(c² − %6²), где c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 меньше 0: катет длиннее гипотенузы, и прямоугольного треугольника с такими сторонами нет; √%2 — не действительное число, и в поле выводится %3</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>Ни один катет не больше 0 (Катет 1 = %1, Катет 2 = %2): «Данные не введены.»</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>Это стороны прямоугольного треугольника, если точно выполняется a² + b² = c²: a = %1, b = %2, c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2: «Да, это пифагорова тройка!»</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2: «Нет, это не пифагорова тройка!»</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0, где a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 меньше 0: действительных корней нет; √%2 — не число, как и x₁ и x₂, которые выводятся как %3</translation>
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
        <translation>2a равно 0: при a = 0 уравнение не квадратное, а x₁, x₂ получаются делением на ноль</translation>
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
        <translation>C(n, r) = n! ÷ (r! × (n − r)!), где n = %1 и r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>Здесь x! = x × (x − 1) × … вплоть до первого множителя, не большего 1, а если x не больше 1, то x! = x</translation>
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
        <translation>r! × (n − r)! равно 0 (факториал числа, не большего 0, здесь равен самому числу): деление на ноль даёт %1</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2, так как %3 не больше 1</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>Абсолютная погрешность = (проценты ÷ 100) × значение, где значение %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>Относительная погрешность в % = (абсолютная погрешность ÷ значение) × 100, где значение %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>Значение равно 0: доля от нуля не имеет смысла; %1 ÷ 0 = %2, таков и результат</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Внутренняя ошибка программы.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Введите число.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>%1 = «%2» — это не число: рисовать нечего.</translation>
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
        <translation>Неверно</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>Данные не введены.</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>Да, это пифагорова тройка!</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>Нет, это не пифагорова тройка!</translation>
    </message>
</context>
</TS>
