// Indented XML text with escaping.
#include "outputs/XmlWriter.h"

CXmlWriter::CXmlWriter() : m_strText("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")
{
}

std::string CXmlWriter::Escape(const std::string& strText)
{
    std::string strOut;
    strOut.reserve(strText.size());
    for (const char ch : strText)
    {
        switch (ch)
        {
        case '&':
            strOut += "&amp;";
            break;
        case '<':
            strOut += "&lt;";
            break;
        case '>':
            strOut += "&gt;";
            break;
        case '"':
            strOut += "&quot;";
            break;
        case '\t':
        case '\n':
        case '\r':
            // Kept as references: an attribute value would otherwise fold them into blanks.
            strOut += "&#" + std::to_string(static_cast<int>(ch)) + ";";
            break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20)
                strOut += "\xEF\xBF\xBD";
            else
                strOut += ch;
        }
    }
    return strOut;
}

void CXmlWriter::StartTag(const std::string& strName, const Attributes& attributes)
{
    m_strText += Indent() + "<" + strName;
    for (const auto& [strAttribute, strValue] : attributes)
        m_strText += " " + strAttribute + "=\"" + Escape(strValue) + "\"";
}

void CXmlWriter::Open(const std::string& strName, const Attributes& attributes)
{
    StartTag(strName, attributes);
    m_strText += ">\n";
    m_open.push_back(strName);
}

void CXmlWriter::Close()
{
    if (m_open.empty())
        return;
    const std::string strName = m_open.back();
    m_open.pop_back();
    m_strText += Indent() + "</" + strName + ">\n";
}

void CXmlWriter::Leaf(const std::string& strName, const Attributes& attributes, const std::string& strText)
{
    StartTag(strName, attributes);
    if (strText.empty())
        m_strText += "/>\n";
    else
    {
        // Appended piece by piece: GCC 12 misreads "literal" + string temporaries (-Wrestrict).
        m_strText += '>';
        m_strText += Escape(strText);
        m_strText += "</";
        m_strText += strName;
        m_strText += ">\n";
    }
}

void CXmlWriter::Comment(const std::string& strText)
{
    m_strText += Indent() + "<!-- " + strText + " -->\n";
}
