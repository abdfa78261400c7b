<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>بدل الثني</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>بيانات الإدخال...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>نصف قطر الثني الداخلي R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation>نصف القطر الداخلي R:</translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation>سماكة المادة T:</translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>زاوية الثني A:</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>سماكة المادة T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>زاوية الثني A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>احسب بدل الثني</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation>بدل الثني:</translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation variants="yes">
            <lengthvariant>نصف قطر المحور المحايد:</lengthvariant>
            <lengthvariant>المحايد:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>لثنية قائمة:</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>لكل درجة:</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>تفاصيل الحسابات:</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>لثنية بزاوية قائمة</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>المحور المحايد</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>لكل درجة</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>حول Brimlet 5</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet، الإصدار 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>هذا البرنامج موجّه إلى طلاب الهندسة ومدرّسيها وإلى المهندسين الممارسين. يتضمن البرنامج عددًا من أدوات حل المعادلات وعوامل تحويل متعددة للمساعدة في المهام الهندسية المعقدة.</translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>CBrimletView</name>
    <message>
        <source>%1: the tools are in the menus (Alt)</source>
        <translation>%1: الأدوات موجودة في القوائم (Alt)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>يُنهي التطبيق، ويسأل عن حفظ المستندات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>تعليمات (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>حول %1 (&amp;A)</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>يعرض معلومات البرنامج ورقم الإصدار وحقوق النشر</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>تعذّر فتح المستند.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>تعذّر حفظ المستند.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>رياضيات (&amp;M)</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>معادلة الخط المستقيم</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>نظرية فيثاغورس</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>المعادلة التربيعية</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>فيزياء (&amp;P)</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>الارتياب المطلق</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>بدل الثني</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>التوافيق</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>التباديل</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>بادئات النظام الدولي (SI)</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>كيمياء (&amp;H)</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>الجدول الدوري</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>فلك (&amp;A)</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>بيانات كواكب المجموعة الشمسية</translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation>حاسبات (&amp;U)</translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation>آلة حاسبة علمية</translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation>آلة حاسبة بسيطة</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>تحويلات (&amp;C)</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>الطاقة</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>القوة</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>الأعداد الرومانية</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>القدرة</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>الضغط</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>الدرجات والراديان</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>درجة الحرارة</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الزمن</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>الكتلة</translation>
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
        <translation>تحويل درجات الحرارة</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>أدخل درجة الحرارة...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>اختر وحدة الإدخال...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
    <message>
        <source>Celcius</source>
        <translation>سلسيوس</translation>
    </message>
    <message>
        <source>Farengheit</source>
        <translation>فهرنهايت</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>كلفن</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>First result</source>
        <translation>النتيجة الأولى</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>النتيجة الثانية</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>وحدة النتيجة الأولى</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>وحدة النتيجة الثانية</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>التحويل بين الدرجات والراديان</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>الدرجات...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>الراديان...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>الدرجات</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>الراديان</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; تحويل &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>الدورات...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>الدورات</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>تحويل وحدات الطاقة</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>الإدخال...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>جول</translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation>إرغ</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>كالوري</translation>
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
        <translation>النتائج...</translation>
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
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation>الشكل</translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation>تحويل وحدات القوة</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>الإدخال...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>نيوتن</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>داين</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>رطل</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation variants="yes">
            <lengthvariant>طن قصير (أمريكي)</lengthvariant>
            <lengthvariant>طن</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>معادلة الخط المستقيم</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>بيانات الإدخال...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>نقطة 1:</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>نقطة 2:</translation>
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
        <translation>النقطة 1 X</translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation>النقطة 1 Y</translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation>النقطة 2 X</translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation>النقطة 2 Y</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation variants="yes">
            <lengthvariant>ميل المستقيم:</lengthvariant>
            <lengthvariant>الميل:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>الميل</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>المقطعان الصاديان:</lengthvariant>
            <lengthvariant>مقطع y:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>المسافة:</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>المسافة</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation>المنتصف:    X</translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation>نقطة المنتصف X</translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation>نقطة المنتصف Y</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>ملاحظة: الميل = ‎-9999999999 يعني أنه غير معرَّف.</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>المقطع الصادي من النقطة 1</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>المقطع الصادي من النقطة 2</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>تحويل وحدات الطول</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>أدخل القيمة المعلومة واختر وحدتها...</translation>
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
        <translation>سنة ضوئية</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>متر</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>سنتيمتر</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>بوصة</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>قدم</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation variants="yes">
            <lengthvariant>ميل بري</lengthvariant>
            <lengthvariant>ميل</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>كيلومتر</translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation>سنة ضوئية</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>الشاشة</translation>
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
        <translation>إدارة الذاكرة</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>الذاكرة 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>الذاكرة 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>الذاكرة 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Sto</translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>يخزّن العدد المعروض في الذاكرة 1</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>يخزّن العدد المعروض في الذاكرة 2</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>يخزّن العدد المعروض في الذاكرة 3</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Rec</translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>يستدعي الذاكرة 1</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>يستدعي الذاكرة 2</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>يستدعي الذاكرة 3</translation>
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
            <lengthvariant>مسح الشاشة</lengthvariant>
            <lengthvariant>مسح</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>السجل</translation>
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
        <translation>رجوع</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Help</source>
        <translation variants="yes">
            <lengthvariant>تعليمات</lengthvariant>
            <lengthvariant>؟</lengthvariant>
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
        <translation>مفتاح غير مستخدم</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>احسب (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>الرجاء إدخال عدد صحيح بين 1 و170</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>شرح الأزرار التي قد لا يتضح معناها:

[Sto] يخزّن العدد المعروض في الذاكرة 1 أو 2 أو 3.
[Rec] يستدعي عددًا من الذاكرة ويعيده إلى الشاشة.
[MC] يمسح خانات الذاكرة.
[رجوع] يحذف آخر حرف من الشاشة (مثل مفتاح Backspace).
[CH] زر مسح السجل: يحذف السجل المعروض أسفل النافذة.

انقر [موافق] للعودة.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>زائد</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>مقسومًا على</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>الأعداد الرومانية</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>تحويل الأعداد...</translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation variants="yes">
            <lengthvariant>العدد الروماني:</lengthvariant>
            <lengthvariant>روماني:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>العدد الروماني</translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation variants="yes">
            <lengthvariant>العدد العربي:</lengthvariant>
            <lengthvariant>عربي:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>العدد العربي</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>من الروماني إلى العربي</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>من العربي إلى الروماني</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>يجب أن يكون العدد بين 1 و3999!</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>الرجاء إدخال عدد روماني بين I وMMMCMXCIX.</translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation>الجدول الدوري للعناصر</translation>
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
        <translation>اللانثانيدات</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>الأكتينيدات</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>بيانات العنصر:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>الرمز:</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>الكتلة الذرية:</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>الكتلة الذرية</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>العدد الذري:</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>العدد الذري</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1، العدد الذري %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>التباديل</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>أدخل بيانات P(n, r):</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>ناتج P(n, r):</translation>
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
        <translation>الناتج</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>صورة SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>صورة PNG (*.png)</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>عرض الشكل</translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation>%1 - الشكل</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>نسخ الشكل</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>حفظ الشكل باسم...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>حفظ الشكل باسم</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>تتعذّر كتابة %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>خصائص الكواكب</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>اختر كوكبًا...</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>عطارد</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>الزهرة</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>الأرض</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>المريخ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>المشتري</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>زحل</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>أورانوس</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>نبتون</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>بلوتو</translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation>بيانات الكوكب...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation>متوسط البعد عن الشمس، ‎10^6 km:</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>متوسط البعد عن الشمس، ‎10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>زمن الدورة حول الشمس، سنة:</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>زمن الدورة حول الشمس، سنة</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>زمن الدوران حول المحور، يوم:</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>زمن الدوران حول المحور، يوم</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation>السرعة المدارية، km/s:</translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>السرعة المدارية، km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation>القطر الاستوائي، km:</translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>القطر الاستوائي، km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>الكتلة (الأرض=1):</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>الكتلة (الأرض=1)</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>الكثافة (الماء=1):</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>الكثافة (الماء=1)</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation>تسارع الجاذبية (g):</translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>تسارع الجاذبية (g)</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation>سرعة الإفلات، km/s:</translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>سرعة الإفلات، km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>الأقمار المعروفة:</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>الأقمار المعروفة</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>بحسب إحصاء مركز الكواكب الصغيرة التابع للاتحاد الفلكي الدولي في 11 مارس 2025</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  تدور الزهرة وأورانوس وبلوتو حول محاورها عكس اتجاه حركتها المدارية.</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  تسارع الجاذبية (g) مقيس عند خط استواء الكوكب.</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  عدد الأقمار وفق مركز الكواكب الصغيرة التابع للاتحاد الفلكي الدولي، 11 مارس 2025.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>تحويل وحدات القدرة</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>الإدخال...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation>حصان (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>واط</translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation>ft*lb/s</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>بادئات النظام الدولي (SI)</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>أدخل أُس العدد 10...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>الناتج...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>العامل:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>البادئة:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>الرمز:</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>العامل</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>البادئة</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation>الإدخال بالأزرار...</translation>
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
        <translation>موجب / سالب</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>أُس العدد 10</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>يبحث عن البادئة المقابلة لأس العدد 10 المكتوب في الحقل</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>يبحث عن البادئة المقابلة لأس العدد 10 المضبوط بالأزرار</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>تحويل وحدات الضغط</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>بيانات الإدخال...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
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
        <translation>ضغط جوي (atm)</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation>مليمتر زئبق (mmHg)</translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>باسكال (Pa)</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>كيلوباسكال (kPa)</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation>نيوتن لكل متر مربع (N/m²)</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation>نظرية فيثاغورس</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>الضلع 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>الضلع 2</translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation>الوتر</translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation variants="yes">
            <lengthvariant>الضلع 1:</lengthvariant>
            <lengthvariant>ضلع 1:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation variants="yes">
            <lengthvariant>الضلع 2:</lengthvariant>
            <lengthvariant>ضلع 2:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation>الوتر:</translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation>أوجد الوتر</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>أوجد الضلع</translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation>هل هي ثلاثية فيثاغورس؟</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>أدخل القيم المعلومة...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>الخيارات...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>المعادلة التربيعية</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>أدخل معاملات معادلتك...</translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation>المعامل a</translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation>المعامل b</translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation>المعامل c</translation>
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
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation>قيمة x الأولى</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>و     X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>قيمة x الثانية</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>أوجد قيم x</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
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
        <translation>فارغ</translation>
    </message>
</context>
<context>
    <name>SimpleCalc</name>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>الشاشة</translation>
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
        <translation>مسح</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>زائد</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>مقسومًا على</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>تحويل وحدات السرعة</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>الإدخال...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
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
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>عرض خطوات الحل</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - خطوات الحل</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>خطوات الحل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>حُدِّثت خطوات الحل</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>لم يُضغط أي زر بعد: ستظهر هنا خطوات الضغطة التالية.</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>التوافيق</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>أدخل بيانات C(n, r):</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>ناتج C(n, r):</translation>
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
        <translation>الناتج</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>تحويل وحدات الزمن</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>الإدخال...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation variants="yes">
            <lengthvariant>ثانية (s)</lengthvariant>
            <lengthvariant>ثانية</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation variants="yes">
            <lengthvariant>ساعة (h)</lengthvariant>
            <lengthvariant>ساعة</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Days</source>
        <translation>يوم</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>شهر</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>سنة</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>نسخ كل الحقول</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>المفتاح: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>المفاتيح: %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> أو </translation>
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
        <translation>يُنسخ بالأمر «نسخ الحقل» في قائمة السياق الخاصة بالنافذة (Shift+F10)</translation>
    </message>
    <message>
        <source>Copy Field</source>
        <translation>نسخ الحقل</translation>
    </message>
    <message>
        <source>%1 fields copied</source>
        <translation>نُسخت الحقول (%1)</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>نُسخ %1</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>حساب الارتياب المطلق</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>القيمة الأولى</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>الارتياب النسبي المئوي للقيمة الأولى</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>القيمة الثانية</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>الارتياب المطلق للقيمة الثانية</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>الناتج</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>احسب الارتياب المطلق</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>احسب الارتياب النسبي %</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
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
        <translation>بيانات الإدخال...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>النتائج...</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation>تحويل وحدات الكتلة</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>أدخل القيمة واختر الوحدة:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
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
        <translation>الناتج:</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation variants="yes">
            <lengthvariant>غرام (g)</lengthvariant>
            <lengthvariant>غرام</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>كيلوغرام (kg)</lengthvariant>
            <lengthvariant>كيلوغرام</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>رطل</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>أونصة</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>الدرجات‎ = %1 &gt; 0، لذا نحوّل الدرجات إلى راديان، باعتبار π = 3.14</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>الراديان‎ = الدرجات‎ × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>الدرجات‎ = %1 ليست أكبر من 0، والراديان‎ = %2 &gt; 0، لذا نحوّل الراديان إلى درجات، باعتبار π = 3.14</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>الدرجات‎ = الراديان‎ × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>لا الدرجات (%1) ولا الراديان (%2) أكبر من 0: لا يُحوَّل شيء</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>الدورات‎ = الراديان‎ × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1، وهو العدد الصحيح الذي يبدأ به %2 (أو 0 إن لم يوجد)</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 ليس بين 1 و3999: «يجب أن يكون العدد بين 1 و3999!»، ويُفرَّغ الحقلان كلاهما</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>نأخذ، مجموعةً بعد مجموعة من الحروف، أكبر قيمة لا تتجاوز الباقي:</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>العدد الروماني‎ = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>نجمع مجموعات الحروف في %1، بدءًا بالأكبر:</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>«الرجاء إدخال عدد روماني بين I وMMMCMXCIX.»</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>العدد العربي‎ = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%1 − %2 = %3 هو الباقي، بعد أخذ %4 (%5 ≥ %6)</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%1 + %2 = %3، بإضافة %4 (%5)</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>مجموع %1 هو %2، لكن %3 يُكتب بطريقة أخرى: ليس عددًا رومانيًا قياسيًا</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>تبقى في %1 حروف بعد أخذ القيم: ليس عددًا رومانيًا قياسيًا</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 ليس عددًا: «الرجاء إدخال عدد.» تتوقف القراءة؛ ويحتفظ هذا الحقل والحقول التي تليه بقيمها</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 ليس عددًا صحيحًا: «الرجاء إدخال عدد صحيح.» تتوقف القراءة؛ ويحتفظ هذا الحقل والحقول التي تليه بقيمها</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1: يُقرأ %2 على أنه %3، وهو العدد الذي في بدايته</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1: يُقرأ %2 على أنه %3، وهو العدد الصحيح الذي في بدايته</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>… وأُغفلت خطوات أخرى عددها %1، ليبقى العرض في شاشة واحدة</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>تُمسح جميع الحقول: تصبح الأعداد 0 وتُفرَّغ النصوص</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>قيمة %1 هي %2: لا يمكن أن يكون نصف القطر سالبًا.</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>قيمة %1 هي %2: يجب أن تكون سماكة الصفيحة أكبر من 0.</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>قيمة %1 هي %2: لا توجد ثنية لرسمها.</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>قيمة %1 هي %2: الثنية بدورة كاملة أو أكثر تتقاطع مع نفسها.</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>الصفيحة أرق من أن تُرسم بالنسبة إلى نصف قطر ثنيها.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>حقل %1 يعرض %2؛ يُرسم المحور المحايد على بعد ثلث السماكة من الوجه الداخلي للصفيحة.</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>بدل الثني %1</translation>
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
        <translation>المحور المحايد</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>بدل الثني %1 على طول المحور المحايد (الخط المتقطع)، نصف القطر %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>صفيحة سماكتها %1 مثنية بزاوية %2 درجة حول نصف قطر داخلي قدره %3؛ نصف قطر المحور المحايد %4؛ بدل الثني %5 على طول المحور المحايد</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>لا يوجد ما يُرسم.</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>الأعداد متباعدة جدًا بحيث لا يمكن رسمها بمقياس رسم.</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>حقل %1 فارغ، فلا عدد فيه: لا يوجد ما يُرسم.</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>قيمة %1 هي %2، وهي ليست عددًا: لا يوجد ما يُرسم.</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>قيمة %1 هي %2، وهي قيمة لا نهائية: لا يمكن رسمها.</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>قيمة %1 هي %2: أكبر من أن تُرسم بمقياس رسم.</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>النقطتان كلتاهما %1: يلزم الخطَّ المستقيم نقطتان مختلفتان.</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>النقطتان متقاربتان جدًا، بالنسبة إلى بعدهما عن نقطة الأصل، بحيث لا يمكن رسمهما منفصلتين.</translation>
    </message>
    <message>
        <source>Point 1 %1</source>
        <translation>النقطة 1 %1</translation>
    </message>
    <message>
        <source>Point 2 %1</source>
        <translation>النقطة 2 %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>المسافة %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>نقطة المنتصف (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>نقطة المنتصف %1 خارج الشكل.</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>خط رأسي: الميل غير معرَّف (%1)، ولا يوجد مقطع صادي.</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>الميل %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>المقطع الصادي %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 (%2) خارج الشكل.</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>المقطع السيني %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>خط رأسي يمر بـ %1 و%2؛ الميل غير معرَّف؛ المسافة %3؛ نقطة المنتصف %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>خط مستقيم يمر بـ %1 و%2؛ الميل %3؛ المقطع الصادي %4؛ المسافة %5؛ نقطة المنتصف %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>قيمة %1 هي %2: المعادلة ليست تربيعية، لذا لا يوجد قطع مكافئ لرسمه.</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 = %2 لا تحقق المعادلة بصيغتها الحالية.</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>أعداد القطع المكافئ أكبر من أن تُرسم بمقياس رسم.</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>القطع المكافئ ضيق جدًا بالنسبة إلى بعده عن نقطة الأصل بحيث لا يمكن رسمه بمقياس رسم.</translation>
    </message>
    <message>
        <source>vertex (%1)</source>
        <translation>الرأس (%1)</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>No real x-value: the parabola does not meet the x axis.</source>
        <translation>لا توجد قيمة حقيقية لـ x: القطع المكافئ لا يلاقي محور السينات.</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>لا توجد قيمة حقيقية لـ x</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>لم تُحسب قيم x بعد</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>قيمة واحدة لـ x، %1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>قيم x هي %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>قطع مكافئ مفتوح إلى الأعلى؛ %1؛ رأسه عند %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>قطع مكافئ مفتوح إلى الأسفل؛ %1؛ رأسه عند %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>قيمة %1 هي %2: يحتاج المثلث القائم إلى ضلعين أكبر من 0.</translation>
    </message>
    <message>
        <source>Side 1: %1</source>
        <translation>الضلع 1: %1</translation>
    </message>
    <message>
        <source>Side 2: %1</source>
        <translation>الضلع 2: %1</translation>
    </message>
    <message>
        <source>%1 field shows nothing; the sides make it %2.</source>
        <translation>حقل %1 لا يعرض شيئًا؛ والضلعان يجعلانه %2.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>حقل %1 يعرض %2؛ والضلعان يجعلانه %3.</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>الوتر: %1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>مثلث قائم الزاوية؛ الضلعان %1 و%2؛ الوتر %3؛ الزاوية القائمة بين الضلعين</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>خط الأعداد</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1؛ القيمة الأولى %2، من %3 إلى %4</translation>
    </message>
    <message>
        <source>%1; second value %2, from %3 to %4</source>
        <translation>%1؛ القيمة الثانية %2، من %3 إلى %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>الناتج: %1</translation>
    </message>
    <message>
        <source>Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the sheet</source>
        <translation>نصف القطر R = %1، السماكة T = %2، الزاوية A = %3°؛ يقع المحور المحايد على بعد ثلث T من الوجه الداخلي للصفيحة</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>المحور المحايد‎ = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>للثنية القائمة‎ = المحور المحايد‎ × 1.5708 (قيمة π/2 مقرّبة إلى أربع منازل عشرية) = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>لكل درجة‎ = الثنية القائمة‎ ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>بدل الثني‎ = لكل درجة‎ × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4 (عدد العوامل %5) = %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>من هنا فصاعدًا يصبح حاصل الضرب %1: العوامل المتبقية (%2) لا تغيّر إلا إشارته على الأكثر، لذا‎ %3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>من هنا فصاعدًا يصبح حاصل الضرب %1، والعدّاد لا ينزل أبدًا إلى 1 (لأن طرح 1 منه لم يعد يغيّره): العوامل التالية لا تغيّر إلا إشارته على الأكثر، لذا‎ %2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>الخط المار بالنقطتين‎ (x₁, y₁) = (%1, %2) و‎(x₂, y₂) = (%3, %4)</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>الفرق الأفقي x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>الفرق الأفقي يساوي 0: الخط رأسي وليس له ميل؛ ويخزّن البرنامج %1 بدلًا من الميل</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>الفرق الرأسي y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>الفرق الرأسي يساوي 0: الخط أفقي، والميل m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>الميل m = الفرق الرأسي‎ ÷ الفرق الأفقي‎ = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>المقطع الصادي من النقطة‎ 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>المقطع الصادي من النقطة‎ 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>كلاهما يستخدم القيمة المخزّنة %1 كأنها ميل: الخط الرأسي ليس له مقطع صادي إلا إذا كان هو محور الصادات نفسه</translation>
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
        <translation>المسافة‎ = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
    </message>
    <message>
        <source>Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>نقطة المنتصف X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>نقطة المنتصف Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, r = %2</source>
        <translation>P(n, r) = n × (n − 1) × …، بإضافة عامل في كل دورة ما دام العدّاد r أكبر من 1؛ n = %1 و r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 ليس أكبر من 1: لا عامل بعد n، لذا P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>نبحث عن ‎10^%1 بين بادئات النظام الدولي العشرين (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>بادئة ‎10^%1 هي %2، ورمزها %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>لا توجد بادئة لـ ‎10^%1: البادئة والرمز «غير صالح»</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>العامل‎ = %1، وهو الأس المبحوث عنه</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>ليس لـ %1 نظير جمعي بين الأعداد الصحيحة التي يتسع لها الحقل: فيبقى %2</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>أُس العدد‎ 10 = −(%1) = %2؛ لا يُبحث عن شيء</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>أُس العدد‎ 10 = %1 (%2)؛ لا يُبحث عن شيء</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>الوتر c = √(a² + b²)، حيث الضلعان a = %1 و b = %2</translation>
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
        <translation>%1 %2 = %3 أكبر من 0، لذا %4 %5 = √(c² − %6²)، حيث c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 أصغر من 0: الضلع أطول من الوتر، ولا يوجد مثلث قائم بهذين الطولين؛ √%2 ليس عددًا حقيقيًا، والحقل يعرض %3</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>لا يوجد ضلع أكبر من 0 (الضلع‎ 1 = %1، الضلع‎ 2 = %2): «لم تُدخَل أي بيانات.»</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>هذه أضلاع مثلث قائم إذا تحقق a² + b² = c² تمامًا: a = %1، b = %2، c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2: «نعم، إنها ثلاثية فيثاغورس!»</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2: «لا، ليست ثلاثية فيثاغورس!»</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0 حيث a = %1، b = %2، c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 أصغر من 0: لا يوجد x حقيقي يحقق المعادلة؛ √%2 ليس عددًا، وكذلك x₁ و x₂، ويظهران بالشكل %3</translation>
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
        <translation>2a يساوي 0: مع a = 0 لا تكون المعادلة تربيعية، وفي x₁ و x₂ قسمة على صفر</translation>
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
        <translation>C(n, r) = n! ÷ (r! × (n − r)!)، حيث n = %1 و r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>هنا x! = x × (x − 1) × … نزولًا حتى أول عامل ليس أكبر من 1، وهو x نفسه إذا لم يكن x أكبر من 1</translation>
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
        <translation>r! × (n − r)! يساوي 0 (مضروب العدد 0 أو ما دونه هو العدد نفسه هنا): والقسمة على صفر تعطي %1</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2، لأن %3 ليس أكبر من 1</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>الارتياب المطلق‎ = (النسبة المئوية‎ ÷ 100) × القيمة، حيث القيمة‎ %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>الارتياب النسبي المئوي‎ = (الارتياب المطلق‎ ÷ القيمة) × 100، حيث القيمة‎ %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>القيمة تساوي 0: لا معنى لنسبة من لا شيء؛‎ %1 ÷ 0 يساوي %2، وكذلك الناتج</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>خطأ داخلي في التطبيق.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>الرجاء إدخال عدد.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>الرجاء إدخال عدد صحيح.</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>قيمة %1 هي «%2»، وهي ليست عددًا: لا يوجد ما يُرسم.</translation>
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
        <translation>غير صالح</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>لم تُدخَل أي بيانات.</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>نعم، إنها ثلاثية فيثاغورس!</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>لا، ليست ثلاثية فيثاغورس!</translation>
    </message>
</context>
</TS>
