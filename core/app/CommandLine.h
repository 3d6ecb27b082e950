// The program's command line: a file to open or print, a language, and whether to show the splash.
#pragma once

#include <string>
#include <vector>

class CCmdLineInfo
{
public:
    // Parses the arguments after the program's name. False, with the reason in strError,
    // for an option it does not know, a bad language code or a second file. "/p FILE" (also
    // "-p" or "--print") prints the file's selection report and shows no splash.
    bool Parse(const std::vector<std::string>& args, std::string& strError);

    // "/" and exactly two letters, e.g. "/FR".
    static bool IsLanguageArgument(const std::string& strArgument);

    // The usage line, shown with a refused command line, and the whole help that --help prints
    // (the manual page is made from it too).
    static const char* Usage();
    static std::string HelpText();

    std::string m_strFileName;
    std::string m_strLanguage; // upper case; empty when none was given
    bool m_bShowSplash = true;
    bool m_bPrint = false;
};
