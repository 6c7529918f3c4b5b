#include "colorArithmetic.h"

int subtractSaturated(int a, int b)
{
    return a < b ? 0 : a - b;
}

int addSaturated(int a, int b)
{
    const int sum = a + b;
    return sum < 256 ? sum : 255;
}

uint8_t stepChannel(int &value, uint8_t step, uint8_t mode)
{
    if (mode == 1) {
        if (value + step > 255) {
            value = 255;
            return channelCapped;
        }
        value += step;
    } else if (mode == 2) {
        if (value < step) {
            value = 0;
            return channelFloored;
        }
        value -= step;
    }
    return channelNoClamp;
}

QColor stepHue(QColor colour, bool increasing, uint8_t step)
{
    int r = colour.red();
    int g = colour.green();
    int b = colour.blue();
    // The first matching rule applies; only one channel moves per call.
    if (increasing) {
        if (g == 255 && b == 0 && r != 0)
            r = subtractSaturated(r, step);
        else if (g == 0 && b == 255 && r != 255)
            r = addSaturated(r, step);
        else if (b == 255 && r == 0 && g != 0)
            g = subtractSaturated(g, step);
        else if (b == 0 && r == 255 && g != 255)
            g = addSaturated(g, step);
        else if (r == 255 && g == 0 && b != 0)
            b = subtractSaturated(b, step);
        else if (r == 0 && g == 255 && b != 255)
            b = addSaturated(b, step);
        else
            return colour;
    } else {
        if (g == 255 && b == 0 && r != 255)
            r = addSaturated(r, step);
        else if (g == 0 && b == 255 && r != 0)
            r = subtractSaturated(r, step);
        else if (b == 255 && r == 0 && g != 255)
            g = addSaturated(g, step);
        else if (b == 0 && r == 255 && g != 0)
            g = subtractSaturated(g, step);
        else if (r == 255 && g == 0 && b != 255)
            b = addSaturated(b, step);
        else if (r == 0 && g == 255 && b != 0)
            b = subtractSaturated(b, step);
        else
            return colour;
    }
    colour.setRgb(r, g, b, colour.alpha());
    return colour;
}

QColor stepHueByDirection(QColor colour, int direction, int step)
{
    if (direction != 0 && direction != 1)
        return colour;
    return stepHue(colour, direction == 1, static_cast<uint8_t>(step));
}

void blendColor(const keyEffectRecord &record, const QColor &background, QColor &output)
{
    const int a = record.level;
    output.setRgb(blendChannel(record.red, a, background.red()),
                  blendChannel(record.green, a, background.green()),
                  blendChannel(record.blue, a, background.blue()),
                  output.isValid() ? output.alpha() : 255);
}

void paletteFade(keyEffectRecord &record, const ColorTable &palette)
{
    if (record.step == 0) {
        record.state = 0;
        return;
    }
    record.step -= 1;
    if (record.step == 0) {
        record.state = 2;
        return;
    }
    if (record.step & 1) {
        const QRgb rgb = palette.rgb(record.step);
        record.red = qRed(rgb);
        record.green = qGreen(rgb);
        record.blue = qBlue(rgb);
    }
    record.state += 1;
    if (record.state >= 3)
        record.state = 1;
}

void stepWaveLevel(keyEffectRecord &record)
{
    if (record.state == 2 && record.level < 10)
        record.state = 1;
    if (stepChannel(record.level, 4, uint8_t(record.state)) != channelNoClamp)
        record.state = record.state == 1 ? 2 : 1;
}
