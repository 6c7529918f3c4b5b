#include "macroEventRules.h"

#include "FixedText.h"
#include "TextNumber.h"
#include "WindowsInputCodes.h"

#include <QUuid>

#include <cstring>

const char *const macroEventRules::KeyType = "key";
const char *const macroEventRules::MouseType = "mouse";
const char *const macroEventRules::Down = "down";
const char *const macroEventRules::Up = "up";

namespace {

constexpr int kMarkDigits = 16;

struct ButtonCodes
{
    int press;
    int release;
    const char *pressName;
    const char *releaseName;
};

// By MouseButton: left, middle, right.
const ButtonCodes kButtons[] = {
    {WinInput::LeftButtonDown, WinInput::LeftButtonUp, "Left Click Down", "Left Click Up"},
    {WinInput::MiddleButtonDown, WinInput::MiddleButtonUp, "Center Click Down", "Center Click Up"},
    {WinInput::RightButtonDown, WinInput::RightButtonUp, "Right Click Down", "Right Click Up"},
};

} // namespace

QByteArray macroEventRules::createMark()
{
    return QUuid::createUuid().toRfc4122().toHex().left(kMarkDigits);
}

int macroEventRules::clampDelay(qint64 milliseconds)
{
    if (milliseconds < 0)
        return 0;
    return milliseconds > MaxDelay ? MaxDelay : static_cast<int>(milliseconds);
}

int macroEventRules::delayFromText(const QString &text)
{
    return clampDelay(textToInt(text.toLatin1().constData()));
}

macroEventRules::MouseButton macroEventRules::buttonOfMessage(int message)
{
    for (int b = LeftButton; b <= RightButton; ++b) {
        if (kButtons[b].press == message || kButtons[b].release == message)
            return static_cast<MouseButton>(b);
    }
    return NoButton;
}

bool macroEventRules::isPressMessage(int message)
{
    const MouseButton button = buttonOfMessage(message);
    return button != NoButton && kButtons[button].press == message;
}

int macroEventRules::mouseMessage(MouseButton button, bool down)
{
    if (button == NoButton)
        return 0;
    return down ? kButtons[button].press : kButtons[button].release;
}

QString macroEventRules::mouseName(MouseButton button, bool down)
{
    if (button == NoButton)
        return QString();
    return QString::fromLatin1(down ? kButtons[button].pressName : kButtons[button].releaseName);
}

macroItemInfo macroEventRules::makeItem(const QByteArray &mark, int delay, const QString &type, int code,
                                        const QString &name, const QString &operateExplain)
{
    macroItemInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.mark, mark);
    fixedTextCopy(item.delay, QByteArray::number(delay));
    fixedTextCopy(item.type, type);
    fixedTextCopy(item.keyCode, QByteArray::number(code));
    fixedTextCopy(item.codeName, name);
    fixedTextCopy(item.operateExplain, operateExplain);
    return item;
}
