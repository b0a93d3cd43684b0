// The histogram of the current result ("HDR-Histogramm"): red, green, blue and luminance curves.
#pragma once

#include "session/PreviewModel.h"

#include <QWidget>

class CHistogramWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CHistogramWidget(QWidget* parent = nullptr);
    void SetHistogram(const SHistogram& histogram);
    const SHistogram& Histogram() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SHistogram m_histogram;
};
