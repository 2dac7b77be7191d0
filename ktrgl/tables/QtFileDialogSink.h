// File-open dialog through QFileDialog. The library asks with filters in the
// form "Node File (*.nod)|*.nod||" (description|pattern pairs, ended by an
// empty pair); Qt wants "Node File (*.nod)" entries separated by ";;".
#pragma once
#include "platform/FileDialog.h"

#include <string>

namespace platform {

class QtFileDialogSink : public FileDialogSink {
public:
    bool GetOpenFileName(const std::string& filter, std::string& path) override;
    bool GetSaveFileName(const std::string& filter, const std::string& suggested, std::string& path) override;

    // "A (*.a)|*.a|B (*.b;*.c)|*.b;*.c||" -> "A (*.a);;B (*.b *.c)". A
    // description that does not show its patterns gets them appended.
    static std::string ToQtFilter(const std::string& filter);
};

} // namespace platform
