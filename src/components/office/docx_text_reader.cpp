#include "components/office/docx_text_reader.h"

#include <pugixml.hpp>
#include <zip.h>

#include <cstring>
#include <fstream>
#include <vector>

namespace hexia::office {

namespace {

// A main document part larger than this is taken as damaged rather than read.
constexpr zip_uint64_t MaxPartSize = 512u * 1024u * 1024u;

std::string_view LocalName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string_view AttributeByLocalName(const pugi::xml_node& node, std::string_view localName) {
    for (auto attribute : node.attributes()) {
        std::string_view name = attribute.name();
        auto colon = name.find(':');
        if ((colon == std::string_view::npos ? name : name.substr(colon + 1)) == localName) {
            return attribute.value();
        }
    }
    return {};
}

pugi::xml_node ChildByLocalName(const pugi::xml_node& node, std::string_view localName) {
    for (auto child : node.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == localName) {
            return child;
        }
    }
    return {};
}

// Walks the body in document order and writes what Word would show as the
// main story. Complex fields may span runs and paragraphs, so their state
// lives here rather than in the recursion.
class MainTextWalker {
public:
    explicit MainTextWalker(std::string& out) : out_(out) {}

    void Walk(const pugi::xml_node& node) {
        for (auto child : node.children()) {
            if (child.type() == pugi::node_element) {
                Element(child);
            }
        }
    }

private:
    struct FieldFrame {
        bool inResult = false;
    };

    bool InFieldCode() const {
        for (const auto& frame : fields_) {
            if (!frame.inResult) {
                return true;
            }
        }
        return false;
    }

    void Emit(std::string_view text) {
        if (!InFieldCode()) {
            out_.append(text);
        }
    }

    static bool Skipped(std::string_view name) {
        // Deleted revisions, other stories (text boxes, drawings, notes),
        // field codes and property elements hold nothing of the main text.
        static constexpr std::string_view names[] = {"del",
                                                     "moveFrom",
                                                     "delText",
                                                     "instrText",
                                                     "delInstrText",
                                                     "txbxContent",
                                                     "drawing",
                                                     "pict",
                                                     "object",
                                                     "pPr",
                                                     "rPr",
                                                     "sdtPr",
                                                     "sdtEndPr",
                                                     "sectPr",
                                                     "tblPr",
                                                     "tblGrid",
                                                     "trPr",
                                                     "tcPr",
                                                     "Fallback",
                                                     "footnoteReference",
                                                     "endnoteReference",
                                                     "commentReference",
                                                     "sym",
                                                     "lastRenderedPageBreak",
                                                     "fldData"};
        for (auto skipped : names) {
            if (name == skipped) {
                return true;
            }
        }
        return false;
    }

    void Element(const pugi::xml_node& node) {
        std::string_view name = LocalName(node);
        if (name == "p") {
            Paragraph(node);
        } else if (name == "t") {
            Emit(node.text().get());
        } else if (name == "tab" || name == "ptab") {
            Emit("\t");
        } else if (name == "br") {
            std::string_view type = AttributeByLocalName(node, "type");
            Emit(type == "page" ? "\f" : type == "column" ? "\x0e" : "\v");
        } else if (name == "cr") {
            Emit("\v");
        } else if (name == "noBreakHyphen") {
            Emit("\x1e");
        } else if (name == "softHyphen") {
            Emit("\x1f");
        } else if (name == "fldChar") {
            FieldChar(AttributeByLocalName(node, "fldCharType"));
        } else if (name == "tr") {
            Walk(node);
            out_.append("\r\a");
        } else if (name == "tc") {
            Walk(node);
            out_.append("\a");
        } else if (!Skipped(name)) {
            // Runs, hyperlinks, content controls, inserted revisions, simple
            // fields (their result runs), smart tags, custom XML, tables.
            Walk(node);
        }
    }

    void Paragraph(const pugi::xml_node& node) {
        Walk(node);
        pugi::xml_node properties = ChildByLocalName(node, "pPr");
        if (ChildByLocalName(properties, "sectPr")) {
            // The section break takes the place of the paragraph mark.
            out_.append("\f");
        } else if (ChildByLocalName(ChildByLocalName(properties, "rPr"), "del")) {
            // A deleted paragraph mark joins this paragraph to the next.
        } else {
            out_.append("\r");
        }
    }

    void FieldChar(std::string_view type) {
        if (type == "begin") {
            fields_.push_back({});
        } else if (type == "separate") {
            if (!fields_.empty()) {
                fields_.back().inResult = true;
            }
        } else if (type == "end") {
            if (!fields_.empty()) {
                fields_.pop_back();
            }
        }
    }

    std::string& out_;
    std::vector<FieldFrame> fields_;
};

bool ReadEntry(zip_t* archive, const std::string& name, std::string& data) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name.c_str(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        stat.size > MaxPartSize) {
        return false;
    }
    zip_file_t* file = zip_fopen(archive, name.c_str(), 0);
    if (file == nullptr) {
        return false;
    }
    data.assign(static_cast<std::size_t>(stat.size), '\0');
    zip_int64_t got = stat.size == 0 ? 0 : zip_fread(file, data.data(), stat.size);
    zip_fclose(file);
    return got == static_cast<zip_int64_t>(stat.size);
}

// The main document part named by the package relationships; DOCX files
// written by Word and LibreOffice call it word/document.xml.
std::string MainPartName(zip_t* archive) {
    std::string rels;
    if (ReadEntry(archive, "_rels/.rels", rels)) {
        pugi::xml_document xml;
        if (xml.load_buffer(rels.data(), rels.size())) {
            for (auto relationship : xml.document_element().children()) {
                std::string_view type = relationship.attribute("Type").value();
                std::string_view suffix = "/officeDocument";
                if (type.size() >= suffix.size() && type.substr(type.size() - suffix.size()) == suffix) {
                    std::string target = relationship.attribute("Target").value();
                    while (!target.empty() && target.front() == '/') {
                        target.erase(0, 1);
                    }
                    if (!target.empty()) {
                        return target;
                    }
                }
            }
        }
    }
    return "word/document.xml";
}

} // namespace

bool MainTextFromDocumentXml(std::string_view documentXml, std::string& text) {
    text.clear();
    pugi::xml_document xml;
    // Whitespace-only text must survive: <w:t xml:space="preserve"> </w:t>.
    auto parsed =
        xml.load_buffer(documentXml.data(), documentXml.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!parsed) {
        return false;
    }
    pugi::xml_node body = ChildByLocalName(xml.document_element(), "body");
    if (!body) {
        return false;
    }
    MainTextWalker(text).Walk(body);
    return true;
}

bool LooksLikeZipPackage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    return in.read(magic, 4) && std::memcmp(magic, "PK\x03\x04", 4) == 0;
}

OfficeStatus ReadDocxMainText(const std::string& path, std::string& text) {
    text.clear();
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (archive == nullptr) {
        return OfficeStatus::BadArgument;
    }
    std::string xml;
    bool read = ReadEntry(archive, MainPartName(archive), xml);
    zip_discard(archive);
    if (!read || !MainTextFromDocumentXml(xml, text)) {
        text.clear();
        return OfficeStatus::BadArgument;
    }
    return OfficeStatus::Ok;
}

} // namespace hexia::office
