#pragma once

#include <string>

// The parts of the document-type text (string 2): the program name in the
// window title, the name of a new document, the type name, the file filter
// and the extension.
enum class DocTemplatePart { windowTitle, docName, typeName, filterName, filterExtension };

std::string DocTemplateString(DocTemplatePart part);
