#include "xmlPrinter.h"

#include <tinyxml2.h>

const char *const xmlPrinter::declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
const char *const xmlPrinter::lineEnd = "\r\n";
const char *const xmlPrinter::indent = "    ";

QByteArray xmlPrinter::print(const tinyxml2::XMLDocument &document, int sizeHint)
{
    QByteArray out;
    out.reserve(sizeHint + 4096);
    out += declaration;
    out += lineEnd;
    for (const tinyxml2::XMLElement *e = document.FirstChildElement(); e; e = e->NextSiblingElement())
        printElement(out, *e, 0);
    return out;
}

void xmlPrinter::printElement(QByteArray &out, const tinyxml2::XMLElement &element, int depth)
{
    for (int i = 0; i < depth; ++i)
        out += indent;
    out += '<';
    out += element.Name();
    for (const tinyxml2::XMLAttribute *a = element.FirstAttribute(); a; a = a->Next()) {
        out += ' ';
        out += a->Name();
        out += "=\"";
        appendEscaped(out, a->Value());
        out += '"';
    }
    const tinyxml2::XMLElement *child = element.FirstChildElement();
    if (!child) {
        out += " />";
        out += lineEnd;
        return;
    }
    out += '>';
    out += lineEnd;
    for (; child; child = child->NextSiblingElement())
        printElement(out, *child, depth + 1);
    for (int i = 0; i < depth; ++i)
        out += indent;
    out += "</";
    out += element.Name();
    out += '>';
    out += lineEnd;
}

// Markup characters become entities; control characters (tab, line breaks
// included) become character references, because a parser would otherwise
// normalise them away. Every other byte is written as it is.
void xmlPrinter::appendEscaped(QByteArray &out, const char *text)
{
    static const char hex[] = "0123456789ABCDEF";
    for (const char *p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (c < 0x20) {
                out += "&#x";
                if (c >= 0x10)
                    out += hex[c >> 4];
                out += hex[c & 0xF];
                out += ';';
            } else {
                out += static_cast<char>(c);
            }
        }
    }
}
