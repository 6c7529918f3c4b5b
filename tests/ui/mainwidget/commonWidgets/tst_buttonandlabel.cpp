#include "CustomButton.h"
#include "TextMoveWidget.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

// The picture-and-caption button and the scrolling label.
namespace {

using Positions = QList<int>;

QImage rendered(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The bounding box of the pixels of one colour.
QRect areaOf(const QImage &image, const QColor &colour)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                area |= QRect(x, y, 1, 1);
    return area;
}

void sendEnter(QWidget &widget)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&widget, &enter);
}

void sendLeave(QWidget &widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

QLabel *labelOf(TextMoveWidget &widget)
{
    auto *label = widget.findChild<QLabel *>();
    Q_ASSERT(label);
    return label;
}

const QColor kDefPicture(255, 0, 0);
const QColor kSelPicture(0, 255, 0);

} // namespace

class tst_ButtonAndLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_pictures.isValid());
        QImage def(8, 8, QImage::Format_ARGB32);
        def.fill(kDefPicture);
        QVERIFY(def.save(m_pictures.filePath("keyDef.png")));
        QImage sel(8, 8, QImage::Format_ARGB32);
        sel.fill(kSelPicture);
        QVERIFY(sel.save(m_pictures.filePath("keySel.png")));
    }

    void selectedPicturePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("selected");
        QTest::newRow("resource") << ":/images/device/macroDef.png" << ":/images/device/macroSel.png";
        QTest::newRow("text picture") << ":/images/device/textDef.png" << ":/images/device/textSel.png";
        QTest::newRow("dot in a folder") << "/home/u/.config/v1.2/keyDef.png" << "/home/u/.config/v1.2/keySel.png";
        QTest::newRow("first dot of the name") << "abcDef.x.png" << "abcSel.x.png";
        QTest::newRow("three characters") << "Def.png" << "Sel.png";
        QTest::newRow("too short") << ":/images/ab.png" << ":/images/ab.png";
        QTest::newRow("no dot") << ":/images/device/macroDef" << ":/images/device/macroDef";
        QTest::newRow("empty") << "" << "";
    }

    void selectedPicturePath()
    {
        QFETCH(QString, path);
        QFETCH(QString, selected);
        QCOMPARE(CustomButton::selectedPicturePath(path), selected);
    }

    void buttonDefaults()
    {
        CustomButton button;
        QCOMPARE(button.focusPolicy(), Qt::NoFocus);
        QVERIFY(!button.isSelected());
        button.resize(180, 40);
        // The default picture and its twin exist.
        QVERIFY(!QPixmap(":/images/device/defaultDef.png").isNull());
        QVERIFY(!QPixmap(":/images/device/defaultSel.png").isNull());
        QCOMPARE(rendered(button).pixelColor(3, 3), QColor(35, 35, 35));
    }

    // Fill and picture by state: the selected twin is drawn one pixel larger.
    void buttonStates_data()
    {
        QTest::addColumn<bool>("hover");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("picture");
        QTest::addColumn<QRect>("pictureArea");
        QTest::newRow("normal") << false << false << QColor(35, 35, 35) << kDefPicture << QRect(15, 11, 15, 15);
        QTest::newRow("hovered") << true << false << QColor(40, 40, 40) << kDefPicture << QRect(15, 11, 15, 15);
        QTest::newRow("selected") << false << true << QColor(25, 25, 25) << kSelPicture << QRect(15, 11, 16, 16);
        QTest::newRow("hovered, then selected") << true << true << QColor(25, 25, 25) << kSelPicture
                                                << QRect(15, 11, 16, 16);
    }

    void buttonStates()
    {
        QFETCH(bool, hover);
        QFETCH(bool, selected);
        QFETCH(QColor, fill);
        QFETCH(QColor, picture);
        QFETCH(QRect, pictureArea);
        CustomButton button;
        button.resize(180, 40);
        button.setImageAndText(m_pictures.filePath("keyDef.png"), "Key");
        if (hover)
            sendEnter(button);
        if (selected)
            button.setSelected(true);
        const QImage image = rendered(button);
        QCOMPARE(image.pixelColor(3, 3), fill);
        QCOMPARE(areaOf(image, picture), pictureArea);
    }

    // Deselected again, the normal picture comes back and the hover shade is gone.
    void deselectRestores()
    {
        CustomButton button;
        button.resize(180, 40);
        button.setImageAndText(m_pictures.filePath("keyDef.png"), "Key");
        sendEnter(button);
        button.setSelected(true);
        button.setSelected(false);
        const QImage image = rendered(button);
        QCOMPARE(image.pixelColor(3, 3), QColor(35, 35, 35));
        QCOMPARE(areaOf(image, kDefPicture), QRect(15, 11, 15, 15));
        QVERIFY(areaOf(image, kSelPicture).isNull());
    }

    void selectedIgnoresEnterAndLeave()
    {
        CustomButton button;
        sendEnter(button);
        QVERIFY(button.isHovered());
        button.setSelected(true);
        QVERIFY(!button.isHovered());
        sendEnter(button);
        QVERIFY(!button.isHovered());
        button.setSelected(false);
        sendEnter(button);
        QVERIFY(button.isHovered());
        button.setSelected(true);
        sendLeave(button); // ignored while selected
        button.setSelected(false);
        QVERIFY(!button.isHovered());
    }

    void missingPictureDrawsNone()
    {
        CustomButton button;
        button.resize(180, 40);
        button.setImageAndText(m_pictures.filePath("noneDef.png"), "Key");
        const QImage image = rendered(button);
        QCOMPARE(image.pixelColor(20, 15), QColor(35, 35, 35));
    }

    void themeColours()
    {
        CustomButton button;
        button.resize(180, 40);
        button.setThemeColors(QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9), QColor(250, 250, 250),
                              QColor(0, 0, 250), "Sans");
        button.setImageAndText(m_pictures.filePath("keyDef.png"), "MMMM");
        QCOMPARE(rendered(button).pixelColor(3, 3), QColor(7, 8, 9));
        QVERIFY(!areaOf(rendered(button), QColor(250, 250, 250)).isNull()); // caption
        sendEnter(button);
        QCOMPARE(rendered(button).pixelColor(3, 3), QColor(4, 5, 6));
        button.setSelected(true);
        const QImage selected = rendered(button);
        QCOMPARE(selected.pixelColor(3, 3), QColor(1, 2, 3));
        QVERIFY(!areaOf(selected, QColor(0, 0, 250)).isNull());
        QVERIFY(areaOf(selected, QColor(250, 250, 250)).isNull());
    }

    // A long caption stops short of the row's edge and is whole in the tool
    // tip; a short one again drops that tool tip, never one set from outside.
    void longCaptionElided()
    {
        CustomButton button;
        button.resize(200, 35);
        const QString longCaption = QStringLiteral("Launch application with a much longer name");
        button.setImageAndText(m_pictures.filePath("keyDef.png"), longCaption);
        QVERIFY(button.shownCaption().endsWith(QChar(0x2026)));
        QCOMPARE(button.toolTip(), longCaption);
        button.setImageAndText(m_pictures.filePath("keyDef.png"), QStringLiteral("Macro"));
        QCOMPARE(button.shownCaption(), QStringLiteral("Macro"));
        QVERIFY(button.toolTip().isEmpty());
        button.setToolTip(QStringLiteral("own"));
        button.setImageAndText(m_pictures.filePath("keyDef.png"), longCaption);
        QCOMPARE(button.toolTip(), QStringLiteral("own"));
    }

    // A caption wider than its designed place runs on to the row's edge,
    // then breaks between words into two lines that fit the row's height;
    // only what needs a third line, or a word wider than the row, is elided.
    void captionLines_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("elided");
        const QString word = QStringLiteral("Mmmmmmmmmm");
        QTest::newRow("short") << "Macro" << 1 << false;
        QTest::newRow("two words past the place") << word + ' ' + word << 2 << false;
        QTest::newRow("four words") << QStringList({word, word, word, word}).join(' ') << 2 << true;
        QTest::newRow("one word wider than the row") << QString(word).repeated(3) << 1 << true;
    }
    void captionLines()
    {
        QFETCH(QString, caption);
        QFETCH(int, lines);
        QFETCH(bool, elided);
        CustomButton button;
        button.setThemeColors(QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9), QColor(250, 250, 250),
                              QColor(0, 0, 250), "DejaVu Sans");
        button.resize(200, 35);
        button.setImageAndText(m_pictures.filePath("keyDef.png"), caption);
        const QStringList shown = button.shownCaption().split('\n');
        QCOMPARE(shown.size(), lines);
        QCOMPARE(button.shownCaption().contains(QChar(0x2026)), elided);
        QCOMPARE(button.toolTip(), elided ? caption : QString());
        QFont font("DejaVu Sans", 9);
        font.setBold(true);
        const QFontMetrics metrics(font);
        QVERIFY(shown.size() * metrics.height() <= button.height());
        for (const QString &line : shown)
            QVERIFY2(48 + metrics.horizontalAdvance(line) <= button.width(), qPrintable(line));
        if (!elided)
            QCOMPARE(shown.join(' '), caption);
    }

    void nextPosition_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("widgetWidth");
        QTest::addColumn<int>("textWidth");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("start");
        QTest::addColumn<Positions>("positions");
        QTest::newRow("fits: turns one step past the edge")
            << 0 << 20 << 10 << 2 << 0 << Positions{2, 4, 6, 8, 10, 12, 10, 8, 6, 4, 2, 0, 2, 4};
        QTest::newRow("wide: between 10 and 10 inside the right edge")
            << 0 << 20 << 26 << 2 << 0
            << Positions{2, 4, 6, 8, 10, 8, 6, 4, 2, 0, -2, -4, -6, -8, -10, -12, -14, -16, -14};
        QTest::newRow("wide, step 3 still turns")
            << 0 << 20 << 26 << 3 << 0 << Positions{3, 6, 9, 12, 9, 6, 3, 0, -3, -6, -9, -12, -15, -18, -15};
        QTest::newRow("wide, from far right") << 0 << 20 << 26 << 2 << 40 << Positions{38, 36, 34};
        QTest::newRow("left to right re-enters at minus the text width")
            << 1 << 10 << 4 << 3 << 6 << Positions{9, 12, -1, 2, 5, 8, 11, -1};
        QTest::newRow("right to left re-enters at the width")
            << 2 << 10 << 4 << 3 << 0 << Positions{-3, -6, 7, 4, 1, -2, -5, 7};
        QTest::newRow("step 0 stands still") << 0 << 20 << 26 << 0 << 0 << Positions{0, 0, 0};
        QTest::newRow("unknown style stands still") << 7 << 20 << 5 << 2 << 5 << Positions{5, 5, 5};
    }

    void nextPosition()
    {
        QFETCH(int, style);
        QFETCH(int, widgetWidth);
        QFETCH(int, textWidth);
        QFETCH(int, step);
        QFETCH(int, start);
        QFETCH(Positions, positions);
        int x = start;
        bool movingRight = true;
        Positions seen;
        for (int i = 0; i < positions.size(); ++i) {
            x = TextMoveWidget::nextPosition(static_cast<TextMoveWidget::MoveStyle>(style), x, movingRight, textWidth,
                                             widgetWidth, step);
            seen << x;
        }
        QCOMPARE(seen, positions);
    }

    // setText restarts the position for the current style; setMoveStyle alone does not.
    void restartOnText_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("kept"); // the tick after the style change goes on from 10
        QTest::addColumn<int>("first"); // -1000: minus the label's width, plus the step
        QTest::newRow("back and forth") << 0 << 12 << 2;
        QTest::newRow("left to right") << 1 << 12 << -1000;
        QTest::newRow("right to left") << 2 << 8 << 198;
    }

    void restartOnText()
    {
        QFETCH(int, style);
        QFETCH(int, kept);
        QFETCH(int, first);
        TextMoveWidget widget;
        widget.resize(200, 30);
        widget.show();
        widget.setInterval(60000); // ticks come from the test
        for (int i = 0; i < 5; ++i)
            widget.updatePos();
        widget.setMoveStyle(static_cast<TextMoveWidget::MoveStyle>(style));
        widget.updatePos();
        QLabel *label = labelOf(widget);
        QCOMPARE(label->x(), kept);

        widget.setText("Do not unplug the device!");
        QCOMPARE(label->text(), QStringLiteral("Do not unplug the device!"));
        widget.updatePos();
        QCOMPARE(label->x(), first == -1000 ? -label->width() + 2 : first);
        QCOMPARE(label->y(), (30 - widget.fontMetrics().height()) / 2);
    }

    // The label always holds its whole text, whenever text or font change.
    void labelFitsText()
    {
        TextMoveWidget widget;
        widget.resize(300, 40);
        widget.show();
        widget.setText("Short");
        QLabel *label = labelOf(widget);
        widget.setText("If the firmware is being upgraded, do not unplug the device!");
        QCOMPARE(label->size(), label->sizeHint());
        const int before = label->width();
        widget.setTextFont("Sans", 24);
        QVERIFY(label->width() > before);
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSize(), 24);
    }

    void hoverStop_data()
    {
        QTest::addColumn<bool>("stopOnHover");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void hoverStop()
    {
        QFETCH(bool, stopOnHover);
        TextMoveWidget widget;
        widget.resize(300, 40);
        widget.setInterval(60000);
        widget.setMouseHoverStop(stopOnHover);
        widget.setText("Firmware");
        QLabel *label = labelOf(widget);
        widget.updatePos();
        QCOMPARE(label->x(), 2);

        sendEnter(widget);
        widget.updatePos();
        QCOMPARE(label->x(), stopOnHover ? 2 : 4);
        QCOMPARE(label->font().underline(), stopOnHover);
        QCOMPARE(widget.cursor().shape(), stopOnHover ? Qt::PointingHandCursor : Qt::ArrowCursor);

        sendLeave(widget);
        widget.updatePos();
        QCOMPARE(label->x(), stopOnHover ? 4 : 6);
        QVERIFY(!label->font().underline());
        QCOMPARE(widget.cursor().shape(), Qt::ArrowCursor);
    }

    void colours()
    {
        TextMoveWidget widget;
        QCOMPARE(labelOf(widget)->palette().color(QPalette::WindowText), QColor(100, 184, 255));
        QCOMPARE(widget.palette().color(QPalette::Window), QColor(22, 22, 22));
        widget.setForeground(QColor(1, 2, 3));
        widget.setBackground(QColor(4, 5, 6));
        QCOMPARE(labelOf(widget)->palette().color(QPalette::WindowText), QColor(1, 2, 3));
        widget.resize(50, 20);
        QCOMPARE(rendered(widget).pixelColor(45, 2), QColor(4, 5, 6));
    }

private:
    QTemporaryDir m_pictures;
};

QTEST_MAIN(tst_ButtonAndLabel)
#include "tst_buttonandlabel.moc"
