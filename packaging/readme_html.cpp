// Build tool: README.md as a whole HTML page, the page the about box's "Site Web"
// opens unless the build names a web site (packaging/homepage.cmake).
//   zel_readme_html README.md README.html
// The Markdown is GitHub's, as the repository shows it (tables, code blocks);
// links and pictures stay relative, so docs/*.png are installed beside the page.
#include <md4c-html.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

void Append(const MD_CHAR *text, MD_SIZE size, void *out) {
    static_cast<std::string *>(out)->append(text, size);
}

std::string EscapeHtml(const std::string &text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The page's title: the text of the first "# " heading.
std::string Title(const std::string &markdown) {
    std::istringstream lines(markdown);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("# ", 0) == 0)
            return line.substr(2);
    return "README";
}

constexpr const char *kStyle = R"(body { max-width: 62em; margin: 2em auto; padding: 0 1em;
       font-family: sans-serif; line-height: 1.45; color: #1b1b1b; background: #fff; }
pre, code { font-family: monospace; background: #f3f3f3; }
pre { padding: 0.6em 0.8em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #c8c8c8; padding: 0.25em 0.6em; text-align: left; vertical-align: top; }
img { max-width: 100%; border: 1px solid #c8c8c8; })";

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: zel_readme_html README.md README.html\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "zel_readme_html: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string markdown{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    std::string body;
    if (md_html(markdown.data(), static_cast<MD_SIZE>(markdown.size()), Append, &body, MD_DIALECT_GITHUB,
                MD_HTML_FLAG_SKIP_UTF8_BOM) != 0) {
        std::cerr << "zel_readme_html: " << argv[1] << " could not be converted\n";
        return 1;
    }

    const std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        EscapeHtml(Title(markdown)) + "</title>\n<style>\n" + kStyle + "\n</style>\n</head>\n<body>\n" +
        body + "</body>\n</html>\n";
    // Written whole or not at all: a half page must not be installed.
    const std::string temporary = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << page;
        if (!out.flush()) {
            std::cerr << "zel_readme_html: cannot write " << temporary << "\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), argv[2]) != 0) {
        std::cerr << "zel_readme_html: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
