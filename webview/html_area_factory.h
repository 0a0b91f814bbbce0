#pragma once
// Makes the panel's HTML area: the embedded browser when the build has it, the host set up
// its application for it and KESTO_NO_WEBENGINE is not set; the plain text view otherwise.

class QWidget;

namespace kesto {

class HtmlArea;

class HtmlAreaFactory {
public:
    static constexpr const char* kNoWebEngineVariable = "KESTO_NO_WEBENGINE";

    // The area is a child of parent, which owns it.
    static HtmlArea* create(QWidget* parent);
    static bool usesWebEngine();
};

} // namespace kesto
