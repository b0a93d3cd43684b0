// The film-type controls: the film type (none or one of the table), its intensity, the graining
// and whether the look runs before or after the operator chain.
#pragma once

#include "engine/FilmTypes.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QRadioButton;
class QSlider;

class CFilmTypePanel : public QWidget
{
    Q_OBJECT

public:
    CFilmTypePanel(CFilmTypeModel& model, QWidget* parent = nullptr);
    /// Re-reads the model (table and choice) without reporting a change.
    void Refresh();

    QComboBox* TypeBox() const { return m_pType; }
    QSlider* IntensitySlider() const { return m_pIntensity; }
    QSlider* GrainingSlider() const { return m_pGraining; }
    QRadioButton* PreButton() const { return m_pPre; }
    QRadioButton* PostButton() const { return m_pPost; }

signals:
    void changed();

private:
    void UpdateEnabled();

    CFilmTypeModel& m_model;
    QComboBox* m_pType;
    QSlider* m_pIntensity;
    QSlider* m_pGraining;
    QLabel* m_pIntensityValue;
    QLabel* m_pGrainingValue;
    QRadioButton* m_pPre;
    QRadioButton* m_pPost;
};
