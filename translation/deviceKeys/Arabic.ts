<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>تبديل DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>للأمام (يسار)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>للخلف (يسار)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>للأمام (يمين)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>للخلف (يمين)</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>يرجى اختيار مفتاح أولاً!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>الماكرو طويل جدًا على الفأرة (50 حدثًا كحد أقصى)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>تمت إعادة تعيين ملف التعريف الحالي بنجاح</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة تعيين ملف التعريف الحالي؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>فشلت إعادة تعيين ملف التعريف الحالي</translation>
    </message>
</context>
</TS>
