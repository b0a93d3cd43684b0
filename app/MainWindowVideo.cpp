// The video dock in the main window: made with the other docks, its project group registered with
// the window's, handed each loaded clip; the frames it picks become the picture being graded, and
// it takes the keys every timeline has.
#include "app/HDRMainWindow.h"

#include "app/OptionsWindow.h"
#include "app/VideoDockWidget.h"
#include "session/PreviewModel.h"
#include "session/ProjectComponents.h"
#include "session/VideoDockModel.h"

#include <QShortcut>

void HDRMainWindow::createVideoDock()
{
    m_videoDockModel = std::make_unique<CVideoDockModel>(*m_movie, *m_session, tr("Videoeinstellungen"));
    m_videoDockModel->Register(m_projectParts->Registry()); // after the presets, as projects list them
    m_pVideoDock = new CVideoDockWidget(*m_videoDockModel, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_pVideoDock);
    m_pVideoDock->hide();
    connect(m_videoDockModel.get(), &CVideoDockModel::SigSave, this, &HDRMainWindow::saveVideo);
    connect(m_videoDockModel.get(), &CVideoDockModel::mainImageReady, this,
            [this](const Helper::CRGB48Buffer& frame, const Helper::CRGB48Buffer* preview, int) {
                ShowVideoFrame(frame, preview);
            });
    // Frames come reduced to the preview's size beside the full one, scaled while decoding.
    const auto previewSide = [this] { m_videoDockModel->SetPreviewLongSide(m_pOptionsWindow->Options().iPreviewLongSide); };
    previewSide();
    connect(m_pOptionsWindow, &HDROptionsWindow::optionsChanged, this, previewSide);

    // They act only while a clip is the document.
    const struct
    {
        QKeySequence keys;
        void (CVideoDockModel::*action)();
    } keys[] = {
        {QKeySequence(Qt::Key_Left), &CVideoDockModel::OnPosStepLeft},
        {QKeySequence(Qt::Key_Right), &CVideoDockModel::OnPosStepRight},
        {QKeySequence(Qt::SHIFT | Qt::Key_Left), &CVideoDockModel::OnPosLeft},
        {QKeySequence(Qt::SHIFT | Qt::Key_Right), &CVideoDockModel::OnPosRight},
        {QKeySequence(Qt::Key_Home), &CVideoDockModel::OnPosStart},
        {QKeySequence(Qt::Key_End), &CVideoDockModel::OnPosEnd},
        {QKeySequence(Qt::Key_Space), &CVideoDockModel::OnPlayPause},
    };
    for (const auto& key : keys)
    {
        auto* shortcut = new QShortcut(key.keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, action = key.action] {
            if (m_bVideo)
                (m_videoDockModel.get()->*action)();
        });
    }
}

void HDRMainWindow::OpenVideoDock(const QString& clip)
{
    m_videoDockModel->Reset();
    // A clip the decoder cannot read says so in the dock; its first frame stays the picture.
    m_videoDockModel->SetSource(clip);
    m_pVideoDock->show();
    m_pVideoDock->raise();
}

void HDRMainWindow::CloseVideoDock()
{
    m_videoDockModel->Reset();
    m_pVideoDock->hide();
}

void HDRMainWindow::ShowVideoFrame(const Helper::CRGB48Buffer& frame, const Helper::CRGB48Buffer* preview)
{
    // The preview copies the pixels; the buffers only offer them through non-const accessors.
    auto& pixels = const_cast<Helper::CRGB48Buffer&>(frame);
    auto* reduced = const_cast<Helper::CRGB48Buffer*>(preview);
    m_preview->SetFrame(pixels.GetData(), frame.Width(), frame.Height(), reduced ? reduced->GetData() : nullptr,
                        reduced ? reduced->GetSize() : QSize());
}
