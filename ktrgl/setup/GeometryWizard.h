// The layout chooser: one of six standard truss and frame layouts with its
// picture, the overall dimensions and the numbers of bays. "Paste" (and
// the sheet's OK) builds the chosen layout (LayoutGenerator) and puts it
// into the model as its node and member tables, supports and reference
// points included; "Default" puts the standard dimensions back.
//
// The pictures are bitmap files named after the layout ("PRATT.bmp", ...)
// looked up in PictureFolder(): $KESTRA_DATA_DIR/layouts/, else
// <program folder>/../share/kestra/layouts/, else the layouts folder of the
// source tree the library was built from.
#pragma once
#include <QString>
#include <string>

#include "setup/LayoutGenerator.h"
#include "tables/PropertyPage.h"

class CGeometry;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

class CGeometryWizard : public PropertyPage {
    Q_OBJECT
public:
    enum ControlId {
        IdOk = 1,          // "Paste"
        IdCancel = 2,      // "Default"
        IdLayouts = 1000,  // the list of layouts
        IdHeight = 12010,
        IdWidth = 12011,
        IdLength = 12012,
        IdBaysLength = 12013,
        IdBaysWidth = 12014,
        IdBaysHeight = 12018,
        IdPicture = 12120,
    };

    explicit CGeometryWizard(QWidget* parent = nullptr);
    ~CGeometryWizard() override;

    // The model Paste writes into (the host sets it before showing the page).
    void SetGeometry(CGeometry* geometry) { m_geometry = geometry; }
    CGeometry* GetGeometry() const { return m_geometry; }

    bool OnInitDialog() override;
    bool OnSetActive() override;
    // OK of the sheet: the chosen layout becomes the model, as with
    // "Paste", unless that very layout with these dimensions was pasted
    // already. Nothing happens while no layout is chosen.
    void OnOK() override;
    // Empties the list and adds the six layouts in order.
    void OnDropdownCombo1();
    // Loads the picture of the selected layout.
    void OnCloseupCombo1();
    // Handler of "Paste": reads the fields (in the project's length unit),
    // asks before replacing a model that has nodes or members, then Paste.
    void OnPaste();
    // "Default": the standard dimensions and bays.
    void OnDefault();

    // Worker: generates layout with dimensions in metres for the project's
    // structure type and makes it the model (nodes, members, counts, view
    // lists). False with a message box when the input is refused; the
    // model is then unchanged.
    bool Paste(CGeometry& geometry, int layout, const LayoutGenerator::Dimensions& metres);

    // Reads the dimension fields; false with a message box on bad text.
    bool ReadDimensions(LayoutGenerator::Dimensions* d);
    void ShowDimensions(const LayoutGenerator::Dimensions& d);

    // Folder of the pictures, ending in '/'.
    static std::string PictureFolder();
    // Folder + picture title of the layout at index + ".bmp"; an index out
    // of range gives folder + ".bmp".
    static std::string PicturePath(int index);
    // Loads a picture into the picture window; "File not found." when it
    // cannot be loaded.
    bool LoadPicture(const std::string& path);

    QWidget* GetDlgItem(int id) const;
    QComboBox* Layouts() const { return m_layouts; }
    QLineEdit* Edit(int id) const;
    QLabel* Picture() const { return m_picture; }
    const std::string& PicturePathShown() const { return m_picturePath; }
    bool PictureLoaded() const { return m_pictureLoaded; }

    static const char* const NotFoundText;   // "File not found."

private:
    CGeometry* m_geometry = nullptr;
    QComboBox* m_layouts = nullptr;
    QScrollArea* m_pictureWindow = nullptr;
    QLabel* m_picture = nullptr;
    std::string m_picturePath;
    bool m_pictureLoaded = false;
    // What the last Paste put into the model (layout -1: nothing yet).
    int m_pastedLayout = -1;
    LayoutGenerator::Dimensions m_pasted;
};
