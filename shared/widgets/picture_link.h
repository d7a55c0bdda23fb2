// A picture that works as a link: a left click on it runs an action.
#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <functional>
#include <utility>

namespace RARUVOVOVA {

class PictureLink final : public QLabel {
  public:
    explicit PictureLink(QWidget* parent = nullptr) : QLabel(parent) {
        setCursor(Qt::PointingHandCursor);
    }
    void onClick(std::function<void()> action) { action_ = std::move(action); }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            action_)
            action_();
        QLabel::mouseReleaseEvent(event);
    }

  private:
    std::function<void()> action_;
};

}  // namespace RARUVOVOVA
