#include "docx_fixture.h"

#include <zip.h>

namespace hexia::office::testing {

namespace {

// The data must stay alive until zip_close, which is when libzip reads it.
bool AddEntry(zip_t* archive, const std::string& name, const std::string& data) {
    zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
    if (source == nullptr) {
        return false;
    }
    if (zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

} // namespace

std::string DocumentXml(const std::string& bodyXml) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
           R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
           R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006">)"
           "<w:body>" +
           bodyXml + "</w:body></w:document>";
}

bool WriteDocx(const std::string& path, const std::string& bodyXml, const std::string& mainPartName) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        return false;
    }
    const std::string contentTypes =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/)" +
        mainPartName +
        R"(" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
        R"(</Types>)";
    const std::string rels =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target=")" +
        mainPartName + R"("/></Relationships>)";
    const std::string document = DocumentXml(bodyXml);
    bool ok = AddEntry(archive, "[Content_Types].xml", contentTypes) &&
              AddEntry(archive, "_rels/.rels", rels) && AddEntry(archive, mainPartName, document);
    if (!ok) {
        zip_discard(archive);
        return false;
    }
    return zip_close(archive) == 0;
}

} // namespace hexia::office::testing
