// Expanding the directives of a help source ({{limit max-pressure}}, {{example ...}}, {{=volume}},
// {{include shock}}, {{catalogue seals Piston | ...}}, {{series models | ...}}, {{topics}}) into Markdown.
#pragma once

#include "CatalogueTables.h"
#include "TopicList.h"

#include <map>
#include <string>
#include <vector>

namespace helpbuild
{
// Stands in for {{documents | ...}} until every document's title is known.
inline const std::string kDocumentsMark = "\x01documents\x01";

// The limits the entry checks apply, each as the help shows it (value and unit, and the value in
// a second unit), by the name a source uses in {{limit NAME}}.
using LimitTexts = std::map<std::string, std::string>;

class CExpander
{
public:
    CExpander(CCatalogueTables& tables, const LimitTexts& limits, const std::vector<STopic>& topics)
        : m_tables(tables), m_limits(limits), m_topics(topics)
    {
    }

    // The series whose data sheet is being expanded ({{series ...}}); empty for other sources.
    void SetSeries(const std::string& strSeries) { m_strSeries = strSeries; }
    // Every directive of the source replaced; throws std::runtime_error naming strWhere and the
    // directive at fault.
    std::string Expand(const std::string& strSource, const std::string& strWhere);
    // The labels of the {{documents | ...}} table of the last expanded source, if it had one.
    const std::vector<std::string>& DocumentLabels() const { return m_documentLabels; }

private:
    std::string Directive(const std::string& strText);
    std::string Example(const std::string& strBody);
    std::string Include(const std::string& strTopic) const;

    CCatalogueTables& m_tables;
    const LimitTexts& m_limits;
    const std::vector<STopic>& m_topics;
    std::string m_strSeries;
    std::map<std::string, std::string> m_values; // of the latest example: its entries and results
    std::vector<std::string> m_documentLabels;
};

// A value as a source or a command line writes it ("150CU_IN", "212.3 CU_IN") as the help shows
// it ("150 cu in"); a text that is no number with a unit stays as it is.
std::string ShownValue(const std::string& strNumber, const std::string& strUnit = std::string());

// The first heading of a Markdown text, without its '#'.
std::string FirstHeading(const std::string& strMarkdown);
} // namespace helpbuild
