#include "setup/GeometryWizard.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/DialogNumber.h"
#include "view/Geometry.h"

const char* const CGeometryWizard::NotFoundText = "File not found.";

namespace {

const char* const kCaption = "KESTRA Wizard";

QString Number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return QString::fromLatin1(text);
}

} // namespace

CGeometryWizard::CGeometryWizard(QWidget* parent) : PropertyPage(QStringLiteral("Geometry"), parent)
{
    auto* models = new QGroupBox(QStringLiteral("Models"), this);
    m_layouts = new QComboBox(models);
    m_layouts->setObjectName(QString::number(IdLayouts));
    m_pictureWindow = new QScrollArea(models);
    m_pictureWindow->setObjectName(QString::number(IdPicture));
    m_pictureWindow->setMinimumSize(320, 200);
    m_pictureWindow->setAlignment(Qt::AlignCenter);
    m_picture = new QLabel;
    m_picture->setAlignment(Qt::AlignCenter);
    m_pictureWindow->setWidget(m_picture);
    m_pictureWindow->setWidgetResizable(false);
    auto* modelLayout = new QVBoxLayout(models);
    modelLayout->addWidget(m_layouts);
    modelLayout->addWidget(m_pictureWindow, 1);

    auto* properties = new QGroupBox(QStringLiteral("Properties"), this);
    auto* form = new QFormLayout(properties);
    auto edit = [this](int id) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(id));
        return e;
    };
    form->addRow(QStringLiteral("Height = "), edit(IdHeight));
    form->addRow(QStringLiteral("Lenght = "), edit(IdLength));
    form->addRow(QStringLiteral("Width  = "), edit(IdWidth));
    // The three bay counts, each with the direction it counts in.
    auto bays = [this, &edit](int id, const char* direction, const char* tip) {
        auto* row = new QHBoxLayout;
        QLineEdit* e = edit(id);
        e->setToolTip(QString::fromLatin1(tip));
        row->addWidget(e, 1);
        auto* label = new QLabel(QString::fromLatin1(direction), this);
        label->setObjectName(QString::number(id) + QStringLiteral("-direction"));
        row->addWidget(label);
        return row;
    };
    form->addRow(QStringLiteral("Number of bays"),
                 bays(IdBaysLength, "along the length (X)", "Panels or bays along the length, global X"));
    form->addRow(QStringLiteral("Number of bays"),
                 bays(IdBaysWidth, "across the width (Z, Grid)", "Bays across the width, global Z (Grid only)"));
    form->addRow(QStringLiteral("Number of bays"),
                 bays(IdBaysHeight, "storeys up (Y, Grid)", "Storeys up the height, global Y (Grid only)"));

    auto* paste = new QPushButton(QStringLiteral("Paste"), this);
    paste->setObjectName(QString::number(IdOk));
    auto* defaults = new QPushButton(QStringLiteral("Default"), this);
    defaults->setObjectName(QString::number(IdCancel));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(paste);
    buttons->addWidget(defaults);

    auto* right = new QVBoxLayout;
    right->addWidget(properties);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(models, 3);
    layout->addLayout(right, 2);

    connect(m_layouts, QOverload<int>::of(&QComboBox::activated), this, [this] { OnCloseupCombo1(); });
    connect(paste, &QPushButton::clicked, this, [this] { OnPaste(); });
    connect(defaults, &QPushButton::clicked, this, [this] { OnDefault(); });
    ShowDimensions(LayoutGenerator::Dimensions());
}

CGeometryWizard::~CGeometryWizard() = default;

QWidget* CGeometryWizard::GetDlgItem(int id) const { return findChild<QWidget*>(QString::number(id)); }

QLineEdit* CGeometryWizard::Edit(int id) const { return findChild<QLineEdit*>(QString::number(id)); }

bool CGeometryWizard::OnInitDialog()
{
    OnDropdownCombo1();
    m_layouts->setCurrentIndex(-1);
    m_picture->setText(QString());
    return true;
}

bool CGeometryWizard::OnSetActive() { return PropertyPage::OnSetActive(); }

void CGeometryWizard::OnOK()
{
    const int layout = m_layouts->currentIndex();
    if (m_geometry && layout >= 0 && layout < LayoutGenerator::LayoutCount) {
        LayoutGenerator::Dimensions d;
        const bool same = layout == m_pastedLayout && ReadDimensions(&d) && d.height == m_pasted.height &&
                          d.length == m_pasted.length && d.width == m_pasted.width &&
                          d.baysLength == m_pasted.baysLength && d.baysWidth == m_pasted.baysWidth &&
                          d.baysHeight == m_pasted.baysHeight;
        if (!same)
            OnPaste();
    }
    PropertyPage::OnOK();
}

void CGeometryWizard::OnDropdownCombo1()
{
    m_layouts->clear();
    for (int i = 0; i < LayoutGenerator::LayoutCount; ++i)
        m_layouts->addItem(QString::fromLatin1(LayoutGenerator::Name(i)));
}

void CGeometryWizard::OnCloseupCombo1()
{
    LoadPicture(PicturePath(m_layouts->currentIndex()));
}

std::string CGeometryWizard::PictureFolder()
{
    auto withSlash = [](QString folder) {
        folder = QDir::cleanPath(folder);
        return (folder + QLatin1Char('/')).toStdString();
    };
    const QByteArray data = qgetenv("KESTRA_DATA_DIR");
    if (!data.isEmpty())
        return withSlash(QString::fromLocal8Bit(data) + QStringLiteral("/layouts"));
    if (QCoreApplication::instance()) {
        const QString installed =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kestra/layouts");
        if (QFileInfo(installed).isDir())
            return withSlash(installed);
    }
#ifdef KESTRA_SOURCE_LAYOUTS
    return withSlash(QStringLiteral(KESTRA_SOURCE_LAYOUTS));
#else
    return withSlash(QStringLiteral("layouts"));
#endif
}

std::string CGeometryWizard::PicturePath(int index)
{
    return PictureFolder() + LayoutGenerator::PictureTitle(index) + ".bmp";
}

bool CGeometryWizard::LoadPicture(const std::string& path)
{
    m_picturePath = path;
    QPixmap pixmap;
    m_pictureLoaded = pixmap.load(QString::fromStdString(path));
    if (m_pictureLoaded) {
        m_picture->setPixmap(pixmap);
    } else {
        m_picture->setPixmap(QPixmap());
        m_picture->setText(QString::fromLatin1(NotFoundText));
    }
    // The window scrolls when the picture is larger than it.
    m_picture->adjustSize();
    return m_pictureLoaded;
}

void CGeometryWizard::ShowDimensions(const LayoutGenerator::Dimensions& d)
{
    Edit(IdHeight)->setText(Number(d.height));
    Edit(IdLength)->setText(Number(d.length));
    Edit(IdWidth)->setText(Number(d.width));
    Edit(IdBaysLength)->setText(QString::number(d.baysLength));
    Edit(IdBaysWidth)->setText(QString::number(d.baysWidth));
    Edit(IdBaysHeight)->setText(QString::number(d.baysHeight));
}

void CGeometryWizard::OnDefault() { ShowDimensions(LayoutGenerator::Dimensions()); }

bool CGeometryWizard::ReadDimensions(LayoutGenerator::Dimensions* d)
{
    struct RealField {
        int id;
        double* value;
    };
    struct IntField {
        int id;
        int* value;
    };
    const RealField reals[] = {{IdHeight, &d->height}, {IdLength, &d->length}, {IdWidth, &d->width}};
    const IntField ints[] = {
        {IdBaysLength, &d->baysLength}, {IdBaysWidth, &d->baysWidth}, {IdBaysHeight, &d->baysHeight}};
    auto refuse = [this](int id, const char* text) {
        platform::MessageBox(text, kCaption, platform::MB_OK | platform::MB_ICONWARNING);
        Edit(id)->setFocus();
        Edit(id)->selectAll();
        return false;
    };
    for (const RealField& f : reals)
        if (!DialogNumber::ParseReal(Edit(f.id)->text(), f.value))
            return refuse(f.id, "Please enter a number.");
    for (const IntField& f : ints)
        if (!DialogNumber::ParseInt(Edit(f.id)->text(), f.value))
            return refuse(f.id, "Please enter an integer.");
    return true;
}

void CGeometryWizard::OnPaste()
{
    if (!m_geometry)
        return;
    const int layout = m_layouts->currentIndex();
    if (layout < 0 || layout >= LayoutGenerator::LayoutCount) {
        platform::MessageBox("Choose one of the layouts first.", kCaption, platform::MB_OK);
        return;
    }
    LayoutGenerator::Dimensions d;
    if (!ReadDimensions(&d))
        return;
    const LayoutGenerator::Dimensions typed = d;
    // The fields are in the project's length unit; the model keeps metres.
    const double factor = m_geometry->GetLengthFactor();
    d.height /= factor;
    d.length /= factor;
    d.width /= factor;
    if (m_geometry->m_nodeTable.GetRows() > 0 || m_geometry->m_memberTable.GetRows() > 0) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "The %s layout replaces the current model (%d nodes, %d members).",
                      LayoutGenerator::Name(layout), m_geometry->m_nodeTable.GetRows(),
                      m_geometry->m_memberTable.GetRows());
        if (platform::MessageBox(text, kCaption, platform::MB_OKCANCEL) != platform::IDOK)
            return;
    }
    if (Paste(*m_geometry, layout, d)) {
        m_pastedLayout = layout;
        m_pasted = typed;
    }
}

bool CGeometryWizard::Paste(CGeometry& geometry, int layout,
                            const LayoutGenerator::Dimensions& metres)
{
    CProject project;
    const int dof = project.GetDof() == 3 || project.GetElementType() == "Truss3D" ? 3 : 6;
    CdMatrix nodes;
    CdMatrix members;
    std::string error;
    if (!LayoutGenerator::Generate(layout, metres, dof, nodes, members, &error)) {
        platform::MessageBox(error, kCaption, platform::MB_OK | platform::MB_ICONWARNING);
        return false;
    }
    geometry.m_nodeTable = nodes;
    geometry.m_memberTable = members;
    geometry.m_selNodeFrom = geometry.m_selNodeTo = 0;
    geometry.m_selMemberFrom = geometry.m_selMemberTo = 0;
    geometry.m_geometryChanged = true;
    geometry.m_modelChanged = true;
    geometry.UpdateNode();
    geometry.UpdateMember();
    geometry.UpdateProperty();
    return true;
}
