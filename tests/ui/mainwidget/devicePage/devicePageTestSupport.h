#pragma once

// Helpers shared by the device page's tests: the name-based connections an
// object sends out, read from Qt's own object dump, and a marking
// translator.

#include <QCoreApplication>
#include <QFile>
#include <QObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <QtGlobal>

namespace devicePageTest {

// The device pictures are files beside the program, not resources: a screen
// test built elsewhere shows the views without their bodies.
inline bool devicePictureBeside(const QString &model)
{
    return QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_") + model
                         + QStringLiteral(".png"));
}

inline QStringList &capturedLines()
{
    static QStringList lines;
    return lines;
}

inline void captureMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    capturedLines().append(text);
}

// "signal(args) -> Receiver::slot(args)" for every connection the object
// sends out; connections made to functors show as "-> <functor>".
inline QStringList connectionsOf(QObject *sender)
{
    capturedLines().clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    sender->dumpObjectInfo();
    qInstallMessageHandler(previous);

    QStringList result;
    QString signal;
    static const QRegularExpression signalLine(QStringLiteral("^\\s*signal: (.*)$"));
    static const QRegularExpression receiverLine(QStringLiteral("^\\s*--> (\\S+)::\\S+ (.*)$"));
    bool out = false;
    for (const QString &line : qAsConst(capturedLines())) {
        if (line.contains(QLatin1String("SIGNALS OUT"))) {
            out = true;
            continue;
        }
        if (line.contains(QLatin1String("SIGNALS IN")))
            break;
        if (!out)
            continue;
        const QRegularExpressionMatch s = signalLine.match(line);
        if (s.hasMatch()) {
            signal = s.captured(1);
            continue;
        }
        const QRegularExpressionMatch r = receiverLine.match(line);
        if (r.hasMatch())
            result.append(QStringLiteral("%1 -> %2::%3").arg(signal, r.captured(1), r.captured(2)));
        else if (line.contains(QLatin1String("<functor")))
            result.append(QStringLiteral("%1 -> <functor>").arg(signal));
    }
    return result;
}

// Marks every text of the page's context, as another language would.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DDevicePage") != 0)
            return QString();
        return QStringLiteral("<<%1>>").arg(QString::fromUtf8(sourceText));
    }
};

// The connections of a sender that reach one receiver class.
inline QStringList connectionsTo(QObject *sender, const QString &receiverClass)
{
    QStringList result;
    for (const QString &c : connectionsOf(sender)) {
        if (c.contains(QStringLiteral(" -> %1::").arg(receiverClass)))
            result.append(c);
    }
    return result;
}

} // namespace devicePageTest
