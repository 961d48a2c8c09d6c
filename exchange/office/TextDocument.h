#pragma once

#include <string>
#include <vector>

// What the word-processor server keeps of a document: paragraphs with their
// alignment, each a list of runs with their character formatting.
class CTextDocument
{
public:
    enum EAlign { alignLeft = 0, alignCentre = 1, alignRight = 2 };

    struct SCharFormat
    {
        bool bBold = false;
        bool bItalic = false;
        bool bUnderline = false;
        double dSize = 12.0;
        bool operator==(const SCharFormat&) const = default;
    };
    struct SRun
    {
        std::string strText;
        SCharFormat format;
    };
    struct SParagraph
    {
        int nAlign = alignLeft;
        std::vector<SRun> runs;
    };

    CTextDocument();

    // The formatting the next typed text gets.
    SCharFormat& Format() { return m_format; }
    // The alignment of the paragraph being typed; new paragraphs inherit it.
    void SetAlignment(int nAlign);
    int GetAlignment() const { return m_paragraphs.back().nAlign; }
    // Types at the end: CR LF, CR or LF each end the paragraph.
    void TypeText(const std::string& strText);

    const std::vector<SParagraph>& GetParagraphs() const { return m_paragraphs; }

    // The document as a Flat OpenDocument text (.fodt).
    std::string ToFlatOdt() const;

private:
    std::vector<SParagraph> m_paragraphs;
    SCharFormat m_format;
};
