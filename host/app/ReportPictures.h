// The pictures of the calculation report, drawn headless by the same code
// as `kestra render`: a HeadlessRenderer of the print size, the model view's
// tables read once, and CommandLine::PrepareView for each view.
#pragma once
#include <memory>
#include <string>

#include <QImage>

class HeadlessRenderer;

class ReportPictures {
public:
    // Models with more nodes than this are drawn without number labels
    // (node, member, coordinate and load numbers): at print size they would
    // be an unreadable blot, and the tables carry the numbers.
    static constexpr int kLabelledNodes = 500;

    // Picture size in pixels.
    ReportPictures(int width, int height);
    ~ReportPictures();

    // Opens the offscreen view and reads the model; false with `error`
    // when there is no EGL display or the model cannot be read.
    bool Open(std::string& error);

    // One view: mode 0..3 (model, loads, displaced shape, forces), the
    // force component 1007..1012, load case or result record k. A null
    // picture with `error` set when it cannot be drawn. The diagrams of one
    // record are built once for all its components.
    QImage Draw(int mode, int component, int k, std::string& error);

    // Whether the pictures show number labels (after Open).
    bool Labelled() const { return m_labelled; }

private:
    int m_width, m_height;
    std::unique_ptr<HeadlessRenderer> m_renderer;
    bool m_open = false;
    bool m_labelled = true;
    int m_forcesOf = 0; // record whose force diagrams the view holds
};
