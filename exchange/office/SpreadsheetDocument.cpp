#include "SpreadsheetDocument.h"

#include "OdfText.h"

#include <QByteArray>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cctype>
#include <tuple>

namespace
{
void WriteParagraphs(QXmlStreamWriter& xml, const std::string& strText)
{
    // A line feed inside a cell starts a new paragraph of the cell.
    size_t start = 0;
    while (true) {
        const size_t end = strText.find('\n', start);
        xml.writeStartElement(Odf::text, QStringLiteral("p"));
        Odf::WriteText(xml, QString::fromStdString(strText.substr(start, end - start)));
        xml.writeEndElement();
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
}

void WriteEmptyCells(QXmlStreamWriter& xml, int n)
{
    if (n <= 0)
        return;
    xml.writeEmptyElement(Odf::table, QStringLiteral("table-cell"));
    if (n > 1)
        xml.writeAttribute(Odf::table, QStringLiteral("number-columns-repeated"), QString::number(n));
}

QString StyleName(const CSpreadsheetDocument::SCell& cell)
{
    if (cell.bBold && cell.bItalic)
        return QStringLiteral("ceBI");
    if (cell.bBold)
        return QStringLiteral("ceB");
    if (cell.bItalic)
        return QStringLiteral("ceI");
    return {};
}
} // namespace

std::optional<CSpreadsheetDocument::Address> CSpreadsheetDocument::ParseCellName(const std::string& strName)
{
    size_t i = 0;
    long nCol = 0, nRow = 0;
    while (i < strName.size() && std::isalpha(static_cast<unsigned char>(strName[i])) && nCol <= nMaxColumns)
        nCol = nCol * 26 + (std::toupper(static_cast<unsigned char>(strName[i++])) - 'A' + 1);
    const size_t nLetters = i;
    while (i < strName.size() && std::isdigit(static_cast<unsigned char>(strName[i])) && nRow <= nMaxRows)
        nRow = nRow * 10 + (strName[i++] - '0');
    if (nLetters == 0 || i == nLetters || i != strName.size() || nCol > nMaxColumns || nRow < 1 || nRow > nMaxRows)
        return std::nullopt;
    return Address(static_cast<int>(nRow - 1), static_cast<int>(nCol - 1));
}

const CSpreadsheetDocument::SCell* CSpreadsheetDocument::Find(Address a) const
{
    const auto it = m_cells.find(a);
    return it == m_cells.end() ? nullptr : &it->second;
}

std::string CSpreadsheetDocument::ToFlatOds() const
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    Odf::StartDocument(xml, QStringLiteral("application/vnd.oasis.opendocument.spreadsheet"));

    xml.writeStartElement(Odf::office, QStringLiteral("automatic-styles"));
    for (const auto& [pszName, bBold, bItalic] :
         {std::make_tuple("ceB", true, false), std::make_tuple("ceI", false, true),
          std::make_tuple("ceBI", true, true)}) {
        xml.writeStartElement(Odf::style, QStringLiteral("style"));
        xml.writeAttribute(Odf::style, QStringLiteral("name"), QString::fromLatin1(pszName));
        xml.writeAttribute(Odf::style, QStringLiteral("family"), QStringLiteral("table-cell"));
        xml.writeEmptyElement(Odf::style, QStringLiteral("text-properties"));
        if (bBold)
            xml.writeAttribute(Odf::fo, QStringLiteral("font-weight"), QStringLiteral("bold"));
        if (bItalic)
            xml.writeAttribute(Odf::fo, QStringLiteral("font-style"), QStringLiteral("italic"));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(Odf::office, QStringLiteral("body"));
    xml.writeStartElement(Odf::office, QStringLiteral("spreadsheet"));
    xml.writeStartElement(Odf::table, QStringLiteral("table"));
    xml.writeAttribute(Odf::table, QStringLiteral("name"), QStringLiteral("Sheet1"));

    int nRows = 0, nCols = 0;
    for (const auto& [a, cell] : m_cells) {
        nRows = std::max(nRows, a.first + 1);
        nCols = std::max(nCols, a.second + 1);
    }
    xml.writeEmptyElement(Odf::table, QStringLiteral("table-column"));
    if (nCols > 1)
        xml.writeAttribute(Odf::table, QStringLiteral("number-columns-repeated"), QString::number(nCols));
    if (nCols == 0) {
        xml.writeStartElement(Odf::table, QStringLiteral("table-row"));
        WriteEmptyCells(xml, 1);
        xml.writeEndElement();
    }

    auto it = m_cells.begin();
    for (int row = 0; row < nRows; ++row) {
        xml.writeStartElement(Odf::table, QStringLiteral("table-row"));
        if (it->first.first > row) {
            // Rows without cells go out as one repeated row.
            const int nGap = it->first.first - row;
            if (nGap > 1)
                xml.writeAttribute(Odf::table, QStringLiteral("number-rows-repeated"), QString::number(nGap));
            WriteEmptyCells(xml, nCols);
            xml.writeEndElement();
            row += nGap - 1;
            continue;
        }
        int col = 0;
        for (; it != m_cells.end() && it->first.first == row; ++it) {
            const SCell& cell = it->second;
            WriteEmptyCells(xml, it->first.second - col);
            col = it->first.second + 1;
            xml.writeStartElement(Odf::table, QStringLiteral("table-cell"));
            const QString strStyle = StyleName(cell);
            if (!strStyle.isEmpty())
                xml.writeAttribute(Odf::table, QStringLiteral("style-name"), strStyle);
            if (!cell.strValue.empty()) {
                xml.writeAttribute(Odf::office, QStringLiteral("value-type"), QStringLiteral("string"));
                xml.writeAttribute(Odf::office, QStringLiteral("string-value"), QString::fromStdString(cell.strValue));
            }
            if (cell.comment) {
                xml.writeStartElement(Odf::office, QStringLiteral("annotation"));
                WriteParagraphs(xml, *cell.comment);
                xml.writeEndElement();
            }
            if (!cell.strValue.empty())
                WriteParagraphs(xml, cell.strValue);
            xml.writeEndElement();
        }
        WriteEmptyCells(xml, nCols - col);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out.toStdString();
}
