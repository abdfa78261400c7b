<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>Bend</name>
    <message>
        <source>Bend Allowance</source>
        <translation>طول خم</translation>
    </message>
    <message>
        <source>Input data...</source>
        <translation>داده‌های ورودی...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>Inside bend radius R</source>
        <translation>شعاع داخلی خم R</translation>
    </message>
    <message>
        <source>Inside bend radius R:</source>
        <translation>شعاع داخلی خم R:</translation>
    </message>
    <message>
        <source>Material thickness T:</source>
        <translation>ضخامت ورق T:</translation>
    </message>
    <message>
        <source>Angle of the bend A:</source>
        <translation>زاویهٔ خم A:</translation>
    </message>
    <message>
        <source>Material thickness T</source>
        <translation>ضخامت ورق T</translation>
    </message>
    <message>
        <source>Angle of the bend A</source>
        <translation>زاویهٔ خم A</translation>
    </message>
    <message>
        <source>Calculate Bend Allowance</source>
        <translation>محاسبهٔ طول خم</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>Bend Allowance:</source>
        <translation>طول خم:</translation>
    </message>
    <message>
        <source>Neutral Axis:</source>
        <translation variants="yes">
            <lengthvariant>شعاع محور خنثی:</lengthvariant>
            <lengthvariant>محور خنثی:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>For Right Angle Bend:</source>
        <translation>برای خم قائمه:</translation>
    </message>
    <message>
        <source>Per Degree:</source>
        <translation>هر درجه:</translation>
    </message>
    <message>
        <source>Details of the calculations:</source>
        <translation>جزئیات محاسبات:</translation>
    </message>
    <message>
        <source>For Right Angle Bend</source>
        <translation>برای خم قائمه</translation>
    </message>
    <message>
        <source>Neutral Axis</source>
        <translation>محور خنثی</translation>
    </message>
    <message>
        <source>Per Degree</source>
        <translation>به‌ازای هر درجه</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Brimlet 5</source>
        <translation>دربارهٔ Brimlet 5</translation>
    </message>
    <message>
        <source>Brimlet Version 5.0</source>
        <translation>Brimlet، نسخهٔ 5.0</translation>
    </message>
    <message>
        <source>This software is intended for use by engineering students and teachers, as well as engineering professionals. Program includes a number of equation solvers and multiple conversion factors to aid in complicated engineering tasks.</source>
        <translation>این نرم‌افزار برای دانشجویان و مدرسان مهندسی و نیز مهندسان شاغل تهیه شده است. برنامه چند حل‌کنندهٔ معادله و ضرایب تبدیل گوناگونی دارد تا در کارهای پیچیدهٔ مهندسی کمک کند.</translation>
    </message>
    <message>
        <source>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</source>
        <translation>Version 5.0.0
Copyright (C) 2026 The Brimlet developers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>CBrimletView</name>
    <message>
        <source>%1: the tools are in the menus (Alt)</source>
        <translation>%1: ابزارها در منوها هستند (Alt)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>بی‌نام</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>پرونده (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>خروج از برنامه؛ برای ذخیرهٔ سندها می‌پرسد</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>راهنما (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>دربارهٔ %1 (&amp;A)</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>نمایش اطلاعات برنامه، شمارهٔ نسخه و حق نشر</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>آماده</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>باز کردن سند ممکن نشد.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>ذخیرهٔ سند ممکن نشد.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>ذخیره با نام</translation>
    </message>
    <message>
        <source>&amp;Mathematics</source>
        <translation>ریاضیات (&amp;M)</translation>
    </message>
    <message>
        <source>Line Functions</source>
        <translation>معادلهٔ خط</translation>
    </message>
    <message>
        <source>Pythagorean Theorem</source>
        <translation>قضیهٔ فیثاغورس</translation>
    </message>
    <message>
        <source>Quadratic  Formula</source>
        <translation>معادلهٔ درجهٔ دوم</translation>
    </message>
    <message>
        <source>&amp;Physics</source>
        <translation>فیزیک (&amp;P)</translation>
    </message>
    <message>
        <source>Absolute Uncertainty</source>
        <translation>عدم قطعیت مطلق</translation>
    </message>
    <message>
        <source>Bend Allowance</source>
        <translation>طول خم</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>ترکیب</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>جایگشت</translation>
    </message>
    <message>
        <source>SI Prefixes</source>
        <translation>پیشوندهای SI</translation>
    </message>
    <message>
        <source>C&amp;hemistry</source>
        <translation>شیمی (&amp;H)</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>جدول تناوبی</translation>
    </message>
    <message>
        <source>&amp;Astronomy</source>
        <translation>نجوم (&amp;A)</translation>
    </message>
    <message>
        <source>Solar System Planets Data</source>
        <translation>داده‌های سیاره‌های منظومهٔ شمسی</translation>
    </message>
    <message>
        <source>Calc&amp;ulators</source>
        <translation>ماشین‌حساب‌ها (&amp;U)</translation>
    </message>
    <message>
        <source>Advanced Calculator</source>
        <translation>ماشین‌حساب علمی</translation>
    </message>
    <message>
        <source>Basic Calculator</source>
        <translation>ماشین‌حساب ساده</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>تبدیل‌ها (&amp;C)</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>انرژی</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>نیرو</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>طول</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>اعداد رومی</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>توان</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>فشار</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>درجه و رادیان</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>سرعت</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>دما</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>زمان</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>جرم</translation>
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
        <translation>تبدیل دما</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
    </message>
    <message>
        <source>Input your degrees...</source>
        <translation>دما را وارد کنید...</translation>
    </message>
    <message>
        <source>Choose input type...</source>
        <translation>واحد ورودی را انتخاب کنید...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>Celcius</source>
        <translation>سلسیوس</translation>
    </message>
    <message>
        <source>Farengheit</source>
        <translation>فارنهایت</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>کلوین</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>First result</source>
        <translation>نتیجهٔ اول</translation>
    </message>
    <message>
        <source>Second result</source>
        <translation>نتیجهٔ دوم</translation>
    </message>
    <message>
        <source>Unit of the first result</source>
        <translation>واحد نتیجهٔ اول</translation>
    </message>
    <message>
        <source>Unit of the second result</source>
        <translation>واحد نتیجهٔ دوم</translation>
    </message>
</context>
<context>
    <name>DegreesRadians</name>
    <message>
        <source>Degrees/Radians Converter</source>
        <translation>تبدیل درجه و رادیان</translation>
    </message>
    <message>
        <source>Degrees...</source>
        <translation>درجه...</translation>
    </message>
    <message>
        <source>Radians...</source>
        <translation>رادیان...</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>درجه</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>رادیان</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Convert &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt; تبدیل &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>Revolutions...</source>
        <translation>دور...</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>دور</translation>
    </message>
</context>
<context>
    <name>Energy</name>
    <message>
        <source>Energy Conversion</source>
        <translation>تبدیل واحدهای انرژی</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>ورودی...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>ژول</translation>
    </message>
    <message>
        <source>Ergs</source>
        <translation>ارگ</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>کالری</translation>
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
        <translation>نتایج...</translation>
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
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>FigureView</name>
    <message>
        <source>Picture</source>
        <translation>شکل</translation>
    </message>
</context>
<context>
    <name>Force</name>
    <message>
        <source>Force Conversion</source>
        <translation>تبدیل واحدهای نیرو</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>ورودی...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>نیوتن</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>دین</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>پوند</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation variants="yes">
            <lengthvariant>تن کوتاه (آمریکایی)</lengthvariant>
            <lengthvariant>تن</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>Geo</name>
    <message>
        <source>Geometry Line Functions</source>
        <translation>معادلهٔ خط</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>داده‌های ورودی...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>Point 1:</source>
        <translation>نقطهٔ 1:</translation>
    </message>
    <message>
        <source>Point 2:</source>
        <translation>نقطهٔ 2:</translation>
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
        <translation>نقطهٔ 1 X</translation>
    </message>
    <message>
        <source>Point 1 Y</source>
        <translation>نقطهٔ 1 Y</translation>
    </message>
    <message>
        <source>Point 2 X</source>
        <translation>نقطهٔ 2 X</translation>
    </message>
    <message>
        <source>Point 2 Y</source>
        <translation>نقطهٔ 2 Y</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation variants="yes">
            <lengthvariant>شیب خط:</lengthvariant>
            <lengthvariant>شیب:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>شیب</translation>
    </message>
    <message>
        <source>Y-intercepts:</source>
        <translation variants="yes">
            <lengthvariant>عرض از مبدأها:</lengthvariant>
            <lengthvariant>عرض از مبدأ:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>فاصله:</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>فاصله</translation>
    </message>
    <message>
        <source>Midpoint:      X</source>
        <translation>نقطهٔ وسط:  X</translation>
    </message>
    <message>
        <source>Midpoint X</source>
        <translation>نقطهٔ وسط X</translation>
    </message>
    <message>
        <source>Midpoint Y</source>
        <translation>نقطهٔ وسط Y</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>محاسبه</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>NOTE: If Slope = -9999999999 then it&apos;s Undefined.</source>
        <translation>توجه: شیب = ‎-9999999999 یعنی شیب تعریف‌نشده.</translation>
    </message>
    <message>
        <source>Y-intercept through point 1</source>
        <translation>عرض از مبدأ با نقطهٔ 1</translation>
    </message>
    <message>
        <source>Y-intercept through point 2</source>
        <translation>عرض از مبدأ با نقطهٔ 2</translation>
    </message>
</context>
<context>
    <name>Length</name>
    <message>
        <source>Length Units Converter</source>
        <translation>تبدیل واحدهای طول</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
    </message>
    <message>
        <source>Enter known value and select its units...</source>
        <translation>مقدار معلوم را وارد و واحد آن را انتخاب کنید...</translation>
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
        <translation>سال نوری</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>متر</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>سانتی‌متر</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>اینچ</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>فوت</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation variants="yes">
            <lengthvariant>مایل (mi)</lengthvariant>
            <lengthvariant>مایل</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>کیلومتر</translation>
    </message>
    <message>
        <source>Light-years</source>
        <translation>سال نوری</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>MyCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>ماشین‌حساب</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>نمایشگر</translation>
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
        <translation>مدیریت حافظه</translation>
    </message>
    <message>
        <source>Memory 1</source>
        <translation>حافظهٔ 1</translation>
    </message>
    <message>
        <source>Memory 2</source>
        <translation>حافظهٔ 2</translation>
    </message>
    <message>
        <source>Memory 3</source>
        <translation>حافظهٔ 3</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Sto</translation>
    </message>
    <message>
        <source>Stores the display in memory 1</source>
        <translation>عدد نمایشگر را در حافظهٔ 1 ذخیره می‌کند</translation>
    </message>
    <message>
        <source>Stores the display in memory 2</source>
        <translation>عدد نمایشگر را در حافظهٔ 2 ذخیره می‌کند</translation>
    </message>
    <message>
        <source>Stores the display in memory 3</source>
        <translation>عدد نمایشگر را در حافظهٔ 3 ذخیره می‌کند</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Rec</translation>
    </message>
    <message>
        <source>Recalls memory 1</source>
        <translation>حافظهٔ 1 را فرا می‌خواند</translation>
    </message>
    <message>
        <source>Recalls memory 2</source>
        <translation>حافظهٔ 2 را فرا می‌خواند</translation>
    </message>
    <message>
        <source>Recalls memory 3</source>
        <translation>حافظهٔ 3 را فرا می‌خواند</translation>
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
            <lengthvariant>پاک کردن نمایشگر</lengthvariant>
            <lengthvariant>پاک</lengthvariant>
        </translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>History</source>
        <translation>تاریخچه</translation>
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
        <translation>حذف</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Help</source>
        <translation variants="yes">
            <lengthvariant>راهنما</lengthvariant>
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
        <translation>کلید بدون کاربرد</translation>
    </message>
    <message>
        <source>Calculate (=)</source>
        <translation>محاسبه (=)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 170</source>
        <translation>لطفاً یک عدد صحیح بین 1 و 170 وارد کنید</translation>
    </message>
    <message>
        <source>Explanation of the meaning of &apos;not-so-obvious&apos; buttons!

[Sto] puts the display number in memory 1, 2, or 3.
[Rcl] takes a number from the memory and puts it back onto the display.
[MC] clears memory locations.
[Back] removes last character from the display (backspace button).
[CH] clear history button - removes the history at the bottom of the screen.

Click [OK] to go back.</source>
        <translation>معنی دکمه‌هایی که کارشان چندان آشکار نیست:

[Sto] عدد نمایشگر را در حافظهٔ 1، 2 یا 3 ذخیره می‌کند.
[Rec] عددی را از حافظه برمی‌دارد و به نمایشگر برمی‌گرداند.
[MC] خانه‌های حافظه را پاک می‌کند.
[حذف] آخرین نویسهٔ نمایشگر را پاک می‌کند (مانند کلید Backspace).
[CH] دکمهٔ پاک کردن تاریخچه: تاریخچهٔ پایین پنجره را پاک می‌کند.

برای بازگشت روی [تأیید] کلیک کنید.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>به‌علاوه</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>منهای</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب در</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>تقسیم بر</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Dialog</source>
        <translation>کادر گفتگو</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>اعداد رومی</translation>
    </message>
    <message>
        <source>Numbers Conversion...</source>
        <translation>تبدیل اعداد...</translation>
    </message>
    <message>
        <source>Roman:</source>
        <translation variants="yes">
            <lengthvariant>عدد رومی:</lengthvariant>
            <lengthvariant>رومی:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>عدد رومی</translation>
    </message>
    <message>
        <source>Arabic:</source>
        <translation variants="yes">
            <lengthvariant>عدد عربی:</lengthvariant>
            <lengthvariant>عربی:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Arabic number</source>
        <translation>عدد عربی</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Roman to Arabic</source>
        <translation>رومی به عربی</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Arabic to Roman</source>
        <translation>عربی به رومی</translation>
    </message>
    <message>
        <source>Number must be between 1 and 3999!</source>
        <translation>عدد باید بین 1 و 3999 باشد!</translation>
    </message>
    <message>
        <source>Please enter a Roman numeral between I and MMMCMXCIX.</source>
        <translation>لطفاً یک عدد رومی بین I و MMMCMXCIX وارد کنید.</translation>
    </message>
</context>
<context>
    <name>Periodic</name>
    <message>
        <source>Periodic Table of Elements</source>
        <translation>جدول تناوبی عناصر</translation>
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
        <translation>لانتانیدها</translation>
    </message>
    <message>
        <source>ACTINIDES</source>
        <translation>آکتینیدها</translation>
    </message>
    <message>
        <source>Element&apos;s Data:</source>
        <translation>داده‌های عنصر:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>نماد:</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>نماد</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>نام:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Atomic Weight:</source>
        <translation>جرم اتمی:</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>جرم اتمی</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>عدد اتمی:</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>عدد اتمی</translation>
    </message>
    <message>
        <source>%1, atomic number %2</source>
        <translation>%1، عدد اتمی %2</translation>
    </message>
</context>
<context>
    <name>Permutation</name>
    <message>
        <source>Permutation</source>
        <translation>جایگشت</translation>
    </message>
    <message>
        <source>Enter Data From P(n, r):</source>
        <translation>داده‌های P(n, r) را وارد کنید:</translation>
    </message>
    <message>
        <source>Permutation Result:</source>
        <translation>نتیجهٔ P(n, r):</translation>
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
        <translation>نتیجه</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>محاسبه</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>تصویر SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>تصویر PNG (*.png)</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>نمایش شکل</translation>
    </message>
    <message>
        <source>%1 - Picture</source>
        <translation>%1 - شکل</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>کپی شکل</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>ذخیرهٔ شکل با نام...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>ذخیرهٔ شکل با نام</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2).</source>
        <translation>نوشتن %1 ممکن نیست (%2).</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Some Planets&apos; Properties</source>
        <translation>ویژگی‌های سیاره‌ها</translation>
    </message>
    <message>
        <source>Choose a planet...</source>
        <translation>یک سیاره انتخاب کنید...</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>عطارد</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>زهره</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>زمین</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>مریخ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>مشتری</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>زحل</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>اورانوس</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>نپتون</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>پلوتو</translation>
    </message>
    <message>
        <source>Planet&apos;s Stats...</source>
        <translation>داده‌های سیاره...</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km:</source>
        <translation>میانگین فاصله از خورشید، ‎10^6 km:</translation>
    </message>
    <message>
        <source>Mean distance from Sun, 10^6 km</source>
        <translation>میانگین فاصله از خورشید، ‎10^6 km</translation>
    </message>
    <message>
        <source>Period of revolution, years:</source>
        <translation>دورهٔ گردش مداری، سال:</translation>
    </message>
    <message>
        <source>Period of revolution, years</source>
        <translation>دورهٔ گردش مداری، سال</translation>
    </message>
    <message>
        <source>Period of rotation, days:</source>
        <translation>دورهٔ چرخش محوری، روز:</translation>
    </message>
    <message>
        <source>Period of rotation, days</source>
        <translation>دورهٔ چرخش محوری، روز</translation>
    </message>
    <message>
        <source>Orbital speed, km/s:</source>
        <translation>سرعت مداری، km/s:</translation>
    </message>
    <message>
        <source>Orbital speed, km/s</source>
        <translation>سرعت مداری، km/s</translation>
    </message>
    <message>
        <source>Equatorial diameter, km:</source>
        <translation>قطر استوایی، km:</translation>
    </message>
    <message>
        <source>Equatorial diameter, km</source>
        <translation>قطر استوایی، km</translation>
    </message>
    <message>
        <source>Mass (Earth=1):</source>
        <translation>جرم (زمین=1):</translation>
    </message>
    <message>
        <source>Mass (Earth=1)</source>
        <translation>جرم (زمین=1)</translation>
    </message>
    <message>
        <source>Density (Water=1):</source>
        <translation>چگالی (آب=1):</translation>
    </message>
    <message>
        <source>Density (Water=1)</source>
        <translation>چگالی (آب=1)</translation>
    </message>
    <message>
        <source>Acceleration (g):</source>
        <translation>شتاب گرانش (g):</translation>
    </message>
    <message>
        <source>Acceleration (g)</source>
        <translation>شتاب گرانش (g)</translation>
    </message>
    <message>
        <source>Escape velocity, km/s:</source>
        <translation>سرعت گریز، km/s:</translation>
    </message>
    <message>
        <source>Escape velocity, km/s</source>
        <translation>سرعت گریز، km/s</translation>
    </message>
    <message>
        <source>Known satellites (moons):</source>
        <translation>قمرهای شناخته‌شده:</translation>
    </message>
    <message>
        <source>Known satellites (moons)</source>
        <translation>قمرهای شناخته‌شده</translation>
    </message>
    <message>
        <source>IAU Minor Planet Center count of 11 March 2025</source>
        <translation>بر پایهٔ شمارش مرکز سیارات کوچک اتحادیهٔ بین‌المللی نجوم در 11 مارس 2025</translation>
    </message>
    <message>
        <source>NOTES:</source>
        <translation>یادداشت‌ها:</translation>
    </message>
    <message>
        <source>1.  Venus, Uranus and Pluto rotate opposite their orbital motion.</source>
        <translation>1.  زهره، اورانوس و پلوتو در خلاف جهت حرکت مداری خود به دور خود می‌چرخند.</translation>
    </message>
    <message>
        <source>2.  Gravitational acceleration (g) measured at the planet&apos;s equator.</source>
        <translation>2.  شتاب گرانش (g) در استوای سیاره اندازه‌گیری شده است.</translation>
    </message>
    <message>
        <source>3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.</source>
        <translation>3.  شمار قمرها بر پایهٔ مرکز سیارات کوچک اتحادیهٔ بین‌المللی نجوم، 11 مارس 2025.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Power Conversion</source>
        <translation>تبدیل واحدهای توان</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>ورودی...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
    </message>
    <message>
        <source>Horsepowers</source>
        <translation>اسب بخار (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>وات</translation>
    </message>
    <message>
        <source>ft*lb/s</source>
        <translation>ft*lb/s</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>Hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>Prefixes</name>
    <message>
        <source>SI Prefixes</source>
        <translation>پیشوندهای SI</translation>
    </message>
    <message>
        <source>Enter the power of 10...</source>
        <translation>توان 10 را وارد کنید...</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>خروجی...</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>ضریب:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation variants="yes">
            <lengthvariant>پیشوند:</lengthvariant>
            <lengthvariant>پیشوند</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>نماد:</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>ضریب</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>پیشوند</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>نماد</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>جستجو</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Keypad Input...</source>
        <translation>ورود با دکمه‌ها...</translation>
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
        <translation>مثبت / منفی</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>توان 10</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 typed in the field</source>
        <translation>پیشوندِ توانی از 10 را که در فیلد نوشته شده است جستجو می‌کند</translation>
    </message>
    <message>
        <source>Looks up the prefix of the power of 10 set with the keypad</source>
        <translation>پیشوندِ توانی از 10 را که با دکمه‌ها تنظیم شده است جستجو می‌کند</translation>
    </message>
</context>
<context>
    <name>Pressures</name>
    <message>
        <source>Pressure Units Converter</source>
        <translation>تبدیل واحدهای فشار</translation>
    </message>
    <message>
        <source>Input Data...</source>
        <translation>داده‌های ورودی...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
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
        <translation>اتمسفر (atm)</translation>
    </message>
    <message>
        <source>Millimiters of Mercury (mm Hg)</source>
        <translation>میلی‌متر جیوه (mmHg)</translation>
    </message>
    <message>
        <source>Pascals (Pa)</source>
        <translation>پاسکال (Pa)</translation>
    </message>
    <message>
        <source>Kilopascals (KPa)</source>
        <translation>کیلوپاسکال (kPa)</translation>
    </message>
    <message>
        <source>Newtons/Meter squared (N/m sq.)</source>
        <translation>نیوتن بر متر مربع (N/m²)</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>Pythegor</name>
    <message>
        <source>Pythegorean Theorem</source>
        <translation>قضیهٔ فیثاغورس</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>ضلع 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>ضلع 2</translation>
    </message>
    <message>
        <source>Hypothenuse</source>
        <translation>وتر</translation>
    </message>
    <message>
        <source>Side 1:</source>
        <translation variants="yes">
            <lengthvariant>ضلع قائم 1:</lengthvariant>
            <lengthvariant>ضلع 1:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Side 2:</source>
        <translation variants="yes">
            <lengthvariant>ضلع قائم 2:</lengthvariant>
            <lengthvariant>ضلع 2:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Hypothenuse:</source>
        <translation>وتر:</translation>
    </message>
    <message>
        <source>Find Hypothenuse</source>
        <translation>یافتن وتر</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>یافتن ضلع</translation>
    </message>
    <message>
        <source>Check If Pythegorean Tripple</source>
        <translation>سه‌تایی فیثاغورسی است؟</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>پیام</translation>
    </message>
    <message>
        <source>Enter known values...</source>
        <translation>مقادیر معلوم را وارد کنید...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>گزینه‌ها...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>Quad</name>
    <message>
        <source>Quadratic Formula</source>
        <translation>معادلهٔ درجهٔ دوم</translation>
    </message>
    <message>
        <source>Enter the coefficients from your equation...</source>
        <translation>ضرایب معادلهٔ خود را وارد کنید...</translation>
    </message>
    <message>
        <source>Coefficient a</source>
        <translation>ضریب a</translation>
    </message>
    <message>
        <source>Coefficient b</source>
        <translation>ضریب b</translation>
    </message>
    <message>
        <source>Coefficient c</source>
        <translation>ضریب c</translation>
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
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>First x-value</source>
        <translation>مقدار اول x</translation>
    </message>
    <message>
        <source>and     X =</source>
        <translation>و     X =</translation>
    </message>
    <message>
        <source>Second x-value</source>
        <translation>مقدار دوم x</translation>
    </message>
    <message>
        <source>Find  x-value(s)</source>
        <translation>یافتن مقادیر x</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
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
        <translation>خالی</translation>
    </message>
</context>
<context>
    <name>SimpleCalc</name>
    <message>
        <source>Calculator</source>
        <translation>ماشین‌حساب</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>نمایشگر</translation>
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
        <translation>پاک</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>به‌علاوه</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>منهای</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب در</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>تقسیم بر</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Speed Conversion</source>
        <translation>تبدیل واحدهای سرعت</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>ورودی...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
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
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Show Steps</source>
        <translation>نمایش مراحل حل</translation>
    </message>
    <message>
        <source>%1 - Steps</source>
        <translation>%1 - مراحل حل</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>مراحل حل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Steps updated</source>
        <translation>مراحل حل به‌روز شد</translation>
    </message>
    <message>
        <source>No button pressed yet: the steps of the next press show here.</source>
        <translation>هنوز هیچ دکمه‌ای زده نشده است: مراحل حلِ دکمهٔ بعدی اینجا نمایش داده می‌شود.</translation>
    </message>
</context>
<context>
    <name>TheCombination</name>
    <message>
        <source>Combination</source>
        <translation>ترکیب</translation>
    </message>
    <message>
        <source>Enter Data From C(n, r):</source>
        <translation>داده‌های C(n, r) را وارد کنید:</translation>
    </message>
    <message>
        <source>Combination Result:</source>
        <translation>نتیجهٔ C(n, r):</translation>
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
        <translation>نتیجه</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>محاسبه</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>Time</name>
    <message>
        <source>Time Conversion</source>
        <translation>تبدیل واحدهای زمان</translation>
    </message>
    <message>
        <source>Input...</source>
        <translation>ورودی...</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation variants="yes">
            <lengthvariant>ثانیه (s)</lengthvariant>
            <lengthvariant>ثانیه</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation variants="yes">
            <lengthvariant>ساعت (h)</lengthvariant>
            <lengthvariant>ساعت</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Days</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>Copy All Fields</source>
        <translation>کپی همهٔ فیلدها</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>کلید: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>کلیدها: %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> یا </translation>
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
        <translation>فرمان «کپی فیلد» در منوی زمینهٔ پنجره (Shift+F10) آن را کپی می‌کند</translation>
    </message>
    <message>
        <source>Copy Field</source>
        <translation>کپی فیلد</translation>
    </message>
    <message>
        <source>%1 fields copied</source>
        <translation>%1 فیلد کپی شد</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 کپی شد</translation>
    </message>
</context>
<context>
    <name>Uncert</name>
    <message>
        <source>Absolute Uncertainty Calculator</source>
        <translation>محاسبهٔ عدم قطعیت مطلق</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>مقدار اول</translation>
    </message>
    <message>
        <source>Percent uncertainty of the first value</source>
        <translation>درصد عدم قطعیت مقدار اول</translation>
    </message>
    <message>
        <source>Second value</source>
        <translation>مقدار دوم</translation>
    </message>
    <message>
        <source>Absolute uncertainty of the second value</source>
        <translation>عدم قطعیت مطلق مقدار دوم</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>نتیجه</translation>
    </message>
    <message>
        <source>Calculate Abs. Uncertainty</source>
        <translation>محاسبهٔ عدم قطعیت مطلق</translation>
    </message>
    <message>
        <source>Calculate % Abs. Uncertainty</source>
        <translation>محاسبهٔ درصد عدم قطعیت</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
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
        <translation>داده‌های ورودی...</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>نتایج...</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>Weight Converter</source>
        <translation>تبدیل واحدهای جرم</translation>
    </message>
    <message>
        <source>Input data and select units:</source>
        <translation>مقدار را وارد و واحد را انتخاب کنید:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
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
        <translation>خروجی:</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation variants="yes">
            <lengthvariant>گرم (g)</lengthvariant>
            <lengthvariant>گرم</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation variants="yes">
            <lengthvariant>کیلوگرم (kg)</lengthvariant>
            <lengthvariant>کیلوگرم</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>پوند</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>اونس</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Degrees = %1 &gt; 0, so degrees convert to radians, with 3.14 for π</source>
        <translation>درجه‎ = %1 &gt; 0، پس درجه به رادیان تبدیل می‌شود، با π = 3.14</translation>
    </message>
    <message>
        <source>Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</source>
        <translation>رادیان‎ = درجه‎ × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2</translation>
    </message>
    <message>
        <source>Degrees = %1 is not above 0 and radians = %2 &gt; 0, so radians convert to degrees, with 3.14 for π</source>
        <translation>درجه‎ = %1 بزرگ‌تر از 0 نیست و رادیان‎ = %2 &gt; 0، پس رادیان به درجه تبدیل می‌شود، با π = 3.14</translation>
    </message>
    <message>
        <source>Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</source>
        <translation>درجه‎ = رادیان‎ × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2</translation>
    </message>
    <message>
        <source>Neither degrees (%1) nor radians (%2) is above 0: nothing is converted</source>
        <translation>نه درجه (%1) و نه رادیان (%2) بزرگ‌تر از 0 نیست: چیزی تبدیل نمی‌شود</translation>
    </message>
    <message>
        <source>Revolutions = radians × 0.159 = %1 × 0.159 = %2</source>
        <translation>دور‎ = رادیان‎ × 0.159 = %1 × 0.159 = %2</translation>
    </message>
    <message>
        <source>n = %1, the whole number that %2 starts with (0 when none)</source>
        <translation>n = %1، عدد صحیحی که %2 با آن آغاز می‌شود (اگر نباشد، 0)</translation>
    </message>
    <message>
        <source>%1 is not between 1 and 3999: &quot;Number must be between 1 and 3999!&quot;, and both fields are emptied</source>
        <translation>%1 بین 1 و 3999 نیست: «عدد باید بین 1 و 3999 باشد!»، و هر دو فیلد خالی می‌شوند</translation>
    </message>
    <message>
        <source>Take the largest value that is not above what is left, letter group by letter group:</source>
        <translation>گروه به گروهِ حروف، بزرگ‌ترین مقداری را برمی‌داریم که از باقی‌مانده بیشتر نباشد:</translation>
    </message>
    <message>
        <source>Roman = %1</source>
        <translation>عدد رومی‎ = %1</translation>
    </message>
    <message>
        <source>Add up the letter groups of %1, largest first:</source>
        <translation>گروه‌های حروفِ %1 را، از بزرگ‌ترین، جمع می‌کنیم:</translation>
    </message>
    <message>
        <source>&quot;Please enter a Roman numeral between I and MMMCMXCIX.&quot;</source>
        <translation>«لطفاً یک عدد رومی بین I و MMMCMXCIX وارد کنید.»</translation>
    </message>
    <message>
        <source>Arabic = %1</source>
        <translation>عدد عربی‎ = %1</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 left, taking %4 (%5 ≥ %6)</source>
        <translation>%1 − %2 = %3 باقی می‌ماند، با برداشتن %4 (%5 ≥ %6)</translation>
    </message>
    <message>
        <source>%1 + %2 = %3, adding %4 (%5)</source>
        <translation>%1 + %2 = %3، با افزودن %4 (%5)</translation>
    </message>
    <message>
        <source>%1 adds up to %2, but %3 is written another way: not a standard numeral</source>
        <translation>مجموع %1 برابر %2 است، اما %3 به شکل دیگری نوشته می‌شود: عدد رومی استاندارد نیست</translation>
    </message>
    <message>
        <source>%1 has letters left over once the values are taken: not a standard numeral</source>
        <translation>در %1 پس از برداشتن مقادیر حروفی باقی می‌ماند: عدد رومی استاندارد نیست</translation>
    </message>
    <message>
        <source>x = %1 %2</source>
        <translation>x = %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: &quot;Please enter a number.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 عدد نیست: «لطفاً یک عدد وارد کنید.» خواندن متوقف می‌شود؛ این فیلد و فیلدهای بعد از آن مقدار خود را نگه می‌دارند</translation>
    </message>
    <message>
        <source>%1: %2 is not an integer: &quot;Please enter an integer.&quot; The reading stops; this field and those after it keep their values</source>
        <translation>%1: %2 عدد صحیح نیست: «لطفاً یک عدد صحیح وارد کنید.» خواندن متوقف می‌شود؛ این فیلد و فیلدهای بعد از آن مقدار خود را نگه می‌دارند</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the number at its start</source>
        <translation>%1: %2 به صورت %3 خوانده می‌شود، یعنی عددی که در ابتدای آن است</translation>
    </message>
    <message>
        <source>%1: %2 reads as %3, the whole number at its start</source>
        <translation>%1: %2 به صورت %3 خوانده می‌شود، یعنی عدد صحیحی که در ابتدای آن است</translation>
    </message>
    <message>
        <source>… %1 more steps left out, to keep to one screen</source>
        <translation>… %1 مرحلهٔ دیگر نمایش داده نشد تا همه در یک صفحه جا شود</translation>
    </message>
    <message>
        <source>Every field is cleared: numbers to 0, texts emptied</source>
        <translation>همهٔ فیلدها پاک می‌شوند: عددها 0 و متن‌ها خالی می‌شوند</translation>
    </message>
    <message>
        <source>%1 is %2: a radius cannot be negative.</source>
        <translation>%1 برابر %2 است: شعاع نمی‌تواند منفی باشد.</translation>
    </message>
    <message>
        <source>%1 is %2: a sheet needs a thickness greater than 0.</source>
        <translation>%1 برابر %2 است: ضخامت ورق باید بزرگ‌تر از 0 باشد.</translation>
    </message>
    <message>
        <source>%1 is %2: there is no bend to draw.</source>
        <translation>%1 برابر %2 است: خمی برای رسم وجود ندارد.</translation>
    </message>
    <message>
        <source>%1 is %2: a bend of a full turn or more runs into itself.</source>
        <translation>%1 برابر %2 است: خمی به اندازهٔ یک دور کامل یا بیشتر با خودش برخورد می‌کند.</translation>
    </message>
    <message>
        <source>The sheet is too thin, for its bend radius, to draw.</source>
        <translation>ورق نسبت به شعاع خمش نازک‌تر از آن است که رسم شود.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet.</source>
        <translation>فیلد %1 مقدار %2 را نشان می‌دهد؛ محور خنثی در یک‌سوم ضخامت از سطح داخلی ورق رسم می‌شود.</translation>
    </message>
    <message>
        <source>BA %1</source>
        <translation>طول خم %1</translation>
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
        <translation>محور خنثی</translation>
    </message>
    <message>
        <source>Bend allowance %1 along the neutral axis (dashed), radius %2</source>
        <translation>طول خم %1 در امتداد محور خنثی (خط‌چین)، شعاع %2</translation>
    </message>
    <message>
        <source>Sheet of thickness %1 bent %2 degrees around an inside radius of %3; neutral axis radius %4; bend allowance %5 along the neutral axis</source>
        <translation>ورقی به ضخامت %1 که %2 درجه حول شعاع داخلی %3 خم شده است؛ شعاع محور خنثی %4؛ طول خم %5 در امتداد محور خنثی</translation>
    </message>
    <message>
        <source>Nothing to draw.</source>
        <translation>چیزی برای رسم نیست.</translation>
    </message>
    <message>
        <source>The numbers are too far apart to draw to scale.</source>
        <translation>اعداد آن‌قدر از هم دورند که نمی‌توان آن‌ها را با مقیاس رسم کرد.</translation>
    </message>
    <message>
        <source>%1 is empty, not a number: there is nothing to draw.</source>
        <translation>فیلد %1 خالی است و عددی ندارد: چیزی برای رسم وجود ندارد.</translation>
    </message>
    <message>
        <source>%1 is %2, not a number: there is nothing to draw.</source>
        <translation>%1 برابر %2 است که عدد نیست: چیزی برای رسم وجود ندارد.</translation>
    </message>
    <message>
        <source>%1 is %2, an infinite value: it cannot be drawn.</source>
        <translation>%1 برابر %2 است، مقداری بی‌نهایت: نمی‌توان آن را رسم کرد.</translation>
    </message>
    <message>
        <source>%1 is %2: too large to draw to scale.</source>
        <translation>%1 برابر %2 است: بزرگ‌تر از آن است که با مقیاس رسم شود.</translation>
    </message>
    <message>
        <source>Both points are %1: a line needs two different points.</source>
        <translation>هر دو نقطه %1 هستند: برای یک خط دو نقطهٔ متفاوت لازم است.</translation>
    </message>
    <message>
        <source>The two points are too close together, for their distance from the origin, to draw apart.</source>
        <translation>دو نقطه نسبت به فاصله‌شان از مبدأ آن‌قدر به هم نزدیک‌اند که نمی‌توان آن‌ها را جدا از هم رسم کرد.</translation>
    </message>
    <message>
        <source>Point 1 %1</source>
        <translation>نقطهٔ 1 %1</translation>
    </message>
    <message>
        <source>Point 2 %1</source>
        <translation>نقطهٔ 2 %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>فاصله %1</translation>
    </message>
    <message>
        <source>midpoint (%1)</source>
        <translation>نقطهٔ وسط (%1)</translation>
    </message>
    <message>
        <source>Midpoint %1 is not on the picture.</source>
        <translation>نقطهٔ وسط %1 در شکل نیست.</translation>
    </message>
    <message>
        <source>Vertical line: the slope is undefined (%1), no y-intercept.</source>
        <translation>خط عمودی: شیب تعریف‌نشده است (%1) و عرض از مبدأ ندارد.</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>شیب %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>عرض از مبدأ %1</translation>
    </message>
    <message>
        <source>%1 %2 is not on the picture.</source>
        <translation>%1 (%2) در شکل نیست.</translation>
    </message>
    <message>
        <source>x-intercept %1</source>
        <translation>طول از مبدأ %1</translation>
    </message>
    <message>
        <source>Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4</source>
        <translation>خط عمودی گذرنده از %1 و %2؛ شیب تعریف‌نشده؛ فاصله %3؛ نقطهٔ وسط %4</translation>
    </message>
    <message>
        <source>Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6</source>
        <translation>خط گذرنده از %1 و %2؛ شیب %3؛ عرض از مبدأ %4؛ فاصله %5؛ نقطهٔ وسط %6</translation>
    </message>
    <message>
        <source>%1 is %2: the equation is not quadratic, so there is no parabola to draw.</source>
        <translation>%1 برابر %2 است: معادله درجهٔ دوم نیست، پس سهمی‌ای برای رسم وجود ندارد.</translation>
    </message>
    <message>
        <source>%1 %2 does not solve the equation as it stands.</source>
        <translation>%1 = %2 در معادله، به شکلی که هست، صدق نمی‌کند.</translation>
    </message>
    <message>
        <source>The parabola&apos;s numbers are too large to draw to scale.</source>
        <translation>اعداد سهمی بزرگ‌تر از آن‌اند که با مقیاس رسم شوند.</translation>
    </message>
    <message>
        <source>The parabola is too narrow for its distance from the origin to draw to scale.</source>
        <translation>سهمی نسبت به فاصله‌اش از مبدأ باریک‌تر از آن است که با مقیاس رسم شود.</translation>
    </message>
    <message>
        <source>vertex (%1)</source>
        <translation>رأس (%1)</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>No real x-value: the parabola does not meet the x axis.</source>
        <translation>هیچ مقدار حقیقی‌ای برای x وجود ندارد: سهمی محور x را قطع نمی‌کند.</translation>
    </message>
    <message>
        <source>no real x-value</source>
        <translation>مقدار حقیقی‌ای برای x وجود ندارد</translation>
    </message>
    <message>
        <source>x-values not yet found</source>
        <translation>مقادیر x هنوز به دست نیامده‌اند</translation>
    </message>
    <message>
        <source>one x-value, %1</source>
        <translation>یک مقدار برای x، %1</translation>
    </message>
    <message>
        <source>x-values %1</source>
        <translation>مقادیر x برابر %1</translation>
    </message>
    <message>
        <source>Parabola opening upward; %1; vertex at %2</source>
        <translation>سهمی رو به بالا؛ %1؛ رأس در %2</translation>
    </message>
    <message>
        <source>Parabola opening downward; %1; vertex at %2</source>
        <translation>سهمی رو به پایین؛ %1؛ رأس در %2</translation>
    </message>
    <message>
        <source>%1 is %2: a right triangle needs both sides greater than 0.</source>
        <translation>%1 برابر %2 است: در مثلث قائم‌الزاویه هر دو ضلع باید بزرگ‌تر از 0 باشند.</translation>
    </message>
    <message>
        <source>Side 1: %1</source>
        <translation>ضلع 1: %1</translation>
    </message>
    <message>
        <source>Side 2: %1</source>
        <translation>ضلع 2: %1</translation>
    </message>
    <message>
        <source>%1 field shows nothing; the sides make it %2.</source>
        <translation>فیلد %1 چیزی نشان نمی‌دهد؛ از روی ضلع‌ها مقدار آن %2 است.</translation>
    </message>
    <message>
        <source>%1 field shows %2; the sides make it %3.</source>
        <translation>فیلد %1 مقدار %2 را نشان می‌دهد؛ از روی ضلع‌ها مقدار آن %3 است.</translation>
    </message>
    <message>
        <source>Hypothenuse: %1</source>
        <translation>وتر: %1</translation>
    </message>
    <message>
        <source>Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides</source>
        <translation>مثلث قائم‌الزاویه؛ ضلع‌های %1 و %2؛ وتر %3؛ زاویهٔ قائمه بین دو ضلع</translation>
    </message>
    <message>
        <source>Number line</source>
        <translation>محور اعداد</translation>
    </message>
    <message>
        <source>%1; first value %2, from %3 to %4</source>
        <translation>%1؛ مقدار اول %2، از %3 تا %4</translation>
    </message>
    <message>
        <source>%1; second value %2, from %3 to %4</source>
        <translation>%1؛ مقدار دوم %2، از %3 تا %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>نتیجه: %1</translation>
    </message>
    <message>
        <source>Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the sheet</source>
        <translation>شعاع R = %1، ضخامت T = %2، زاویهٔ A = %3°؛ محور خنثی در فاصلهٔ یک‌سوم T از سطح داخلی ورق است</translation>
    </message>
    <message>
        <source>Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</source>
        <translation>محور خنثی‎ = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6</translation>
    </message>
    <message>
        <source>For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3</source>
        <translation>خم قائمه‎ = محور خنثی‎ × 1.5708 (π/2 با چهار رقم اعشار) = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2</source>
        <translation>به‌ازای هر درجه‎ = خم قائمه‎ ÷ 90 = %1 ÷ 90 = %2</translation>
    </message>
    <message>
        <source>Bend allowance = per degree × A = %1 × %2 = %3</source>
        <translation>طول خم‎ = به‌ازای هر درجه‎ × A = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2 × %3 × … × %4 (%5 factors) = %6</source>
        <translation>%1 = %2 × %3 × … × %4 (%5 عامل) = %6</translation>
    </message>
    <message>
        <source>From there on the product is %1: the factors still to come (%2) change at most its sign, so %3 = %4</source>
        <translation>از اینجا به بعد حاصل‌ضرب %1 است: عامل‌های باقی‌مانده (%2) دست‌بالا علامت آن را عوض می‌کنند، پس‎ %3 = %4</translation>
    </message>
    <message>
        <source>From there on the product is %1, and the count never gets down to 1 (taking 1 from it no longer changes it): the factors to come change at most its sign, so %2 = %3</source>
        <translation>از اینجا به بعد حاصل‌ضرب %1 است و شمارنده هرگز به 1 نمی‌رسد (کم کردن 1 دیگر تغییری در آن نمی‌دهد): عامل‌های بعدی دست‌بالا علامت آن را عوض می‌کنند، پس‎ %2 = %3</translation>
    </message>
    <message>
        <source>The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)</source>
        <translation>خط گذرنده از‎ (x₁, y₁) = (%1, %2) و‎ (x₂, y₂) = (%3, %4)</translation>
    </message>
    <message>
        <source>Run x₁ − x₂ = %1 − %2 = %3</source>
        <translation>تفاضل افقی x₁ − x₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The run is 0: the line is vertical and has no slope; the program stores %1 in its place</source>
        <translation>تفاضل افقی 0 است: خط عمودی است و شیب ندارد؛ برنامه به جای شیب %1 را ذخیره می‌کند</translation>
    </message>
    <message>
        <source>Rise y₁ − y₂ = %1 − %2 = %3</source>
        <translation>تفاضل عمودی y₁ − y₂ = %1 − %2 = %3</translation>
    </message>
    <message>
        <source>The rise is 0: the line is horizontal, slope m = 0</source>
        <translation>تفاضل عمودی 0 است: خط افقی است، شیب m = 0</translation>
    </message>
    <message>
        <source>Slope m = rise ÷ run = %1 ÷ %2 = %3</source>
        <translation>شیب m = تفاضل عمودی‎ ÷ تفاضل افقی‎ = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>عرض از مبدأ با نقطهٔ‎ 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</source>
        <translation>عرض از مبدأ با نقطهٔ‎ 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the y-axis</source>
        <translation>هر دو، مقدار ذخیره‌شدهٔ %1 را مانند شیب به کار می‌برند: خط عمودی عرض از مبدأ ندارد، مگر آنکه خودِ محور y باشد</translation>
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
        <translation>فاصله‎ = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8</translation>
    </message>
    <message>
        <source>Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>نقطهٔ وسط X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</source>
        <translation>نقطهٔ وسط Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4</translation>
    </message>
    <message>
        <source>P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, r = %2</source>
        <translation>P(n, r) = n × (n − 1) × …، در هر گذر یک عامل بیشتر، تا وقتی شمارندهٔ r بزرگ‌تر از 1 است؛ n = %1 و r = %2</translation>
    </message>
    <message>
        <source>r = %1 is not above 1: no factor after n, so P = n = %2</source>
        <translation>r = %1 بزرگ‌تر از 1 نیست: پس از n عاملی نیست، پس P = n = %2</translation>
    </message>
    <message>
        <source>Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</source>
        <translation>جستجوی ‎10^%1 در میان بیست پیشوند SI (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)</translation>
    </message>
    <message>
        <source>10^%1 is %2, symbol %3</source>
        <translation>10^%1 برابر %2 است، با نماد %3</translation>
    </message>
    <message>
        <source>No prefix is 10^%1: prefix and symbol &quot;Invalid&quot;</source>
        <translation>هیچ پیشوندی برابر ‎10^%1 نیست: پیشوند و نماد «نامعتبر»</translation>
    </message>
    <message>
        <source>Factor = %1, the exponent looked up</source>
        <translation>ضریب‎ = %1، یعنی توانی که جستجو شد</translation>
    </message>
    <message>
        <source>%1 has no opposite among the integers the field holds: it stays %2</source>
        <translation>%1 در میان عددهای صحیحی که فیلد می‌پذیرد قرینه ندارد: همان %2 می‌ماند</translation>
    </message>
    <message>
        <source>Power of ten = −(%1) = %2; nothing is looked up</source>
        <translation>توان‎ 10 = −(%1) = %2؛ چیزی جستجو نمی‌شود</translation>
    </message>
    <message>
        <source>Power of ten = %1 (%2); nothing is looked up</source>
        <translation>توان‎ 10 = %1 (%2)؛ چیزی جستجو نمی‌شود</translation>
    </message>
    <message>
        <source>Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2</source>
        <translation>وتر c = √(a² + b²)، با ضلع‌های a = %1 و b = %2</translation>
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
        <translation>%1 %2 = %3 بزرگ‌تر از 0 است، پس %4 %5 = √(c² − %6²)، با c = %7</translation>
    </message>
    <message>
        <source>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</source>
        <translation>c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8</translation>
    </message>
    <message>
        <source>%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; √%2 is no real number and the field shows %3</source>
        <translation>%1 کوچک‌تر از 0 است: ضلع از وتر بلندتر است و هیچ مثلث قائم‌الزاویه‌ای چنین ضلع‌هایی ندارد؛ √%2 عدد حقیقی نیست و فیلد %3 را نشان می‌دهد</translation>
    </message>
    <message>
        <source>%1 = √%2 = %3</source>
        <translation>%1 = √%2 = %3</translation>
    </message>
    <message>
        <source>Neither side is above 0 (Side 1 = %1, Side 2 = %2): &quot;No data entered.&quot;</source>
        <translation>هیچ ضلعی بزرگ‌تر از 0 نیست (ضلع‎ 1 = %1، ضلع‎ 2 = %2): «داده‌ای وارد نشده است.»</translation>
    </message>
    <message>
        <source>A right triangle&apos;s sides if a² + b² = c² exactly: a = %1, b = %2, c = %3</source>
        <translation>ضلع‌های یک مثلث قائم‌الزاویه‌اند اگر a² + b² = c² دقیقاً برقرار باشد: a = %1، b = %2، c = %3</translation>
    </message>
    <message>
        <source>c² = %1 × %2 = %3</source>
        <translation>c² = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2: &quot;Yes, Pythegorean Tripple!&quot;</source>
        <translation>%1 = %2: «بله، سه‌تایی فیثاغورسی است!»</translation>
    </message>
    <message>
        <source>%1 ≠ %2: &quot;No, Not a Tripple!&quot;</source>
        <translation>%1 ≠ %2: «نه، سه‌تایی فیثاغورسی نیست!»</translation>
    </message>
    <message>
        <source>a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</source>
        <translation>a x² + b x + c = 0 با a = %1، b = %2، c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a</translation>
    </message>
    <message>
        <source>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</source>
        <translation>b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6</translation>
    </message>
    <message>
        <source>%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as %3</source>
        <translation>%1 کوچک‌تر از 0 است: هیچ x حقیقی جواب معادله نیست؛ √%2 عدد نیست، x₁ و x₂ هم عدد نیستند و به صورت %3 نمایش داده می‌شوند</translation>
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
        <translation>2a برابر 0 است: با a = 0 معادله درجهٔ دوم نیست، و x₁ و x₂ تقسیم بر صفر دارند</translation>
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
        <translation>C(n, r) = n! ÷ (r! × (n − r)!)، با n = %1 و r = %2</translation>
    </message>
    <message>
        <source>Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above 1</source>
        <translation>در اینجا x! = x × (x − 1) × … تا نخستین عاملی که بزرگ‌تر از 1 نیست، و اگر x بزرگ‌تر از 1 نباشد، خودِ x</translation>
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
        <translation>r! × (n − r)! برابر 0 است (در اینجا فاکتوریل 0 یا کمتر خودِ عدد است): تقسیم بر صفر %1 می‌دهد</translation>
    </message>
    <message>
        <source>%1 = %2, since %3 is not above 1</source>
        <translation>%1 = %2، چون %3 بزرگ‌تر از 1 نیست</translation>
    </message>
    <message>
        <source>Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %</source>
        <translation>عدم قطعیت مطلق‎ = (درصد‎ ÷ 100) × مقدار، با مقدار‎ %1 ± %2 %</translation>
    </message>
    <message>
        <source>(%1 ÷ 100) × %2 = %3 × %4 = %5</source>
        <translation>(%1 ÷ 100) × %2 = %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2</source>
        <translation>درصد عدم قطعیت‎ = (عدم قطعیت مطلق‎ ÷ مقدار) × 100، با مقدار‎ %1 ± %2</translation>
    </message>
    <message>
        <source>The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result</source>
        <translation>مقدار 0 است: سهمی از هیچ؛‎ %1 ÷ 0 برابر %2 است و نتیجه نیز همین است</translation>
    </message>
    <message>
        <source>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</source>
        <translation>(%1 ÷ %2) × 100 = %3 × 100 = %4 %</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>خطای داخلی برنامه.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>لطفاً یک عدد وارد کنید.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>لطفاً یک عدد صحیح وارد کنید.</translation>
    </message>
    <message>
        <source>A %1°</source>
        <translation>A %1°</translation>
    </message>
    <message>
        <source>%1 is “%2”, not a number: there is nothing to draw.</source>
        <translation>%1 برابر «%2» است که عدد نیست: چیزی برای رسم وجود ندارد.</translation>
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
        <translation>نامعتبر</translation>
    </message>
    <message>
        <source>No data entered.</source>
        <translation>داده‌ای وارد نشده است.</translation>
    </message>
    <message>
        <source>Yes, Pythegorean Tripple!</source>
        <translation>بله، سه‌تایی فیثاغورسی است!</translation>
    </message>
    <message>
        <source>No, Not a Tripple!</source>
        <translation>نه، سه‌تایی فیثاغورسی نیست!</translation>
    </message>
</context>
</TS>
