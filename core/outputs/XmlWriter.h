// A small writer of indented XML text: elements, attributes and escaped character data.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CXmlWriter
{
public:
    using Attributes = std::vector<std::pair<std::string, std::string>>;

    CXmlWriter();
    // An element that holds other elements; Close ends the innermost one still open.
    void Open(const std::string& strName, const Attributes& attributes = {});
    void Close();
    // An element with text only (an empty text gives an empty element).
    void Leaf(const std::string& strName, const Attributes& attributes, const std::string& strText);
    void Comment(const std::string& strText);

    // The document so far; complete once every element is closed.
    const std::string& Text() const { return m_strText; }

    // Text as character data: markup characters as references, and the control characters that
    // XML 1.0 cannot hold at all as U+FFFD.
    static std::string Escape(const std::string& strText);

private:
    void StartTag(const std::string& strName, const Attributes& attributes);
    std::string Indent() const { return std::string(2 * m_open.size(), ' '); }

    std::string m_strText;
    std::vector<std::string> m_open;
};
