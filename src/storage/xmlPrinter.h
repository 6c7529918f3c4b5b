#pragma once

#include <QByteArray>

namespace tinyxml2 {
class XMLDocument;
class XMLElement;
}

// Prints a store document in the store's file layout: the declaration on the
// first line, one element per line indented by four spaces per level, an
// element without children closed with " />", every line ended by CR LF.
// Attributes keep their order; values are escaped so they read back byte for
// byte. Only elements are printed (the store's files carry no text).
class xmlPrinter
{
public:
    // sizeHint: the expected size in bytes, to print without regrowing.
    static QByteArray print(const tinyxml2::XMLDocument &document, int sizeHint = 0);

    static const char *const declaration;
    static const char *const lineEnd;
    static const char *const indent;

private:
    static void printElement(QByteArray &out, const tinyxml2::XMLElement &element, int depth);
    static void appendEscaped(QByteArray &out, const char *text);
};
