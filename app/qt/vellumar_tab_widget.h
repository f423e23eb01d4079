// VellumarTabWidget: a VellumarTabStrip with one page widget per tab, shown inside the frame of the strip's
// page area (above the strip when the tabs are at the bottom), following the strip's selection however it
// is made: mouse, arrow keys, access keys or code. Its interface is QTabWidget's wherever the idea is the
// same, with indices from 0; an index outside the pages is a no-op for setters and an empty answer for
// getters, a null page is refused, and a page deleted or taken away by its owner loses its tab.
//
// [SECTION] Index
//   Pages             add, insert, remove, find and switch pages
//   Tabs              caption, icon and width of a page's tab
//   Designer          the page a form adds and the current tab's caption
//   Appearance        the strip's look, as properties that forms save
//   Qt events         layout, keyboard page switching, pages that come and go
#pragma once

#include <QtCore/QPointer>
#include <QtCore/QSet>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QIcon>
#include <QtWidgets/QWidget>
#include <vector>

#include "app/qt/vellumar_tab_strip.h"

namespace vellumar {

class VellumarTabWidget : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
  Q_PROPERTY(int count READ count)
  // The current tab's caption, as Designer edits it; a form saves it as the page's window title.
  Q_PROPERTY(QString currentTabText READ currentTabText WRITE setCurrentTabText STORED false)
  // [SECTION] Appearance: the strip's properties of the same names.
  Q_PROPERTY(int tabHeight READ tabHeight WRITE setTabHeight)
  Q_PROPERTY(vellumar::VellumarTabStrip::Alignment alignment READ alignment WRITE setAlignment)
  Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont)
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(QColor foreColorActive READ foreColorActive WRITE setForeColorActive)
  Q_PROPERTY(QColor foreColorHot READ foreColorHot WRITE setForeColorHot)
  Q_PROPERTY(QColor backColorForm READ backColorForm WRITE setBackColorForm)
  Q_PROPERTY(QColor frameColor READ frameColor WRITE setFrameColor)
  Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor)
  Q_PROPERTY(QColor mouseMoveColor0 READ mouseMoveColor0 WRITE setMouseMoveColor0)
  Q_PROPERTY(QColor mouseMoveColor1 READ mouseMoveColor1 WRITE setMouseMoveColor1)
  Q_PROPERTY(QColor mouseMoveColor2 READ mouseMoveColor2 WRITE setMouseMoveColor2)
  Q_PROPERTY(QColor registerFocusColor0 READ registerFocusColor0 WRITE setRegisterFocusColor0)
  Q_PROPERTY(QColor registerFocusColor1 READ registerFocusColor1 WRITE setRegisterFocusColor1)
  Q_PROPERTY(QColor registerFocusColor2 READ registerFocusColor2 WRITE setRegisterFocusColor2)

 public:
  explicit VellumarTabWidget(QWidget* parent = nullptr);
  ~VellumarTabWidget() override;

  // [SECTION] Pages
  // Adds page with a tab captioned label (its "&" marks the access key) and returns its index; the tab is
  // as wide as its caption and icon need. The widget takes the page as its child; a null page gives -1,
  // a page that is already here moves to the new place.
  int addTab(QWidget* page, const QString& label);
  int addTab(QWidget* page, const QIcon& icon, const QString& label);
  // As addTab at index (appended when out of range). The current page stays current.
  int insertTab(int index, QWidget* page, const QString& label);
  int insertTab(int index, QWidget* page, const QIcon& icon, const QString& label);
  // Removes the tab at index; its page is hidden, not deleted, and stays the widget's child. A removed
  // current page passes on to the page on its right, or on its left when it was the last.
  void removeTab(int index);
  // Removes every tab; the pages are not deleted.
  void clear();
  int count() const;
  // The current page's index, -1 when there is none.
  int currentIndex() const;
  // An index beyond the pages is remembered and taken when a page arrives there (forms set the current
  // index before they add the pages); any other index out of range changes nothing.
  void setCurrentIndex(int index);
  QWidget* currentWidget() const;
  void setCurrentWidget(QWidget* page);
  // The page at index, null for an index out of range.
  QWidget* widget(int index) const;
  // The index of page, -1 when it is none of the pages.
  int indexOf(const QWidget* page) const;
  // The strip that shows the tabs. A program that adds or removes its tabs directly leaves them
  // without pages.
  VellumarTabStrip* tabBar() const { return strip_; }

  // [SECTION] Tabs
  QString tabText(int index) const;
  // Sets the caption; a tab whose width was never set refits to it.
  void setTabText(int index, const QString& label);
  QIcon tabIcon(int index) const;
  void setTabIcon(int index, const QIcon& icon);
  int tabWidth(int index) const;
  // Fixes the tab's width in pixels; later captions and icons no longer change it.
  void setTabWidth(int index, int width);

  // [SECTION] Designer
  // Adds page with its window title as the caption: the page method of forms (uic and QUiLoader), whose
  // pages are named through their window titles, also when the title arrives after the page.
  Q_INVOKABLE void addPage(QWidget* page);
  QString currentTabText() const;
  void setCurrentTabText(const QString& text);

  // [SECTION] Appearance (vellumar_tab_widget_appearance.cpp)
  int tabHeight() const;
  void setTabHeight(int height);
  VellumarTabStrip::Alignment alignment() const;
  void setAlignment(VellumarTabStrip::Alignment alignment);
  QFont captionFont() const;
  void setCaptionFont(const QFont& font);
  QColor backColor() const;
  void setBackColor(const QColor& color);
  QColor foreColor() const;
  void setForeColor(const QColor& color);
  QColor foreColorActive() const;
  void setForeColorActive(const QColor& color);
  QColor foreColorHot() const;
  void setForeColorHot(const QColor& color);
  QColor backColorForm() const;
  void setBackColorForm(const QColor& color);
  QColor frameColor() const;
  void setFrameColor(const QColor& color);
  QColor maskColor() const;
  void setMaskColor(const QColor& color);
  QColor mouseMoveColor0() const;
  void setMouseMoveColor0(const QColor& color);
  QColor mouseMoveColor1() const;
  void setMouseMoveColor1(const QColor& color);
  QColor mouseMoveColor2() const;
  void setMouseMoveColor2(const QColor& color);
  QColor registerFocusColor0() const;
  void setRegisterFocusColor0(const QColor& color);
  QColor registerFocusColor1() const;
  void setRegisterFocusColor1(const QColor& color);
  QColor registerFocusColor2() const;
  void setRegisterFocusColor2(const QColor& color);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The current page changed (its index, or the page at that index); -1 when none is left.
  void currentChanged(int index);
  // A press on the tab strip, with the index of the tab under the pointer or -1 beside the tabs.
  void tabBarClicked(int index);
  // setCurrentTabText changed the current page's title.
  void currentTabTextChanged(const QString& text);

 protected:
  // [SECTION] Qt events
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void childEvent(QChildEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Page {
    QPointer<QWidget> widget;     // the page, null once deleted
    const QObject* identity;      // the page's address, to recognise it while it is being destroyed
    bool width_fixed = false;     // setTabWidth gave the tab its width
    QPointer<QWidget> chain_end;  // the last widget chained for Tab at this page: its own, or the one before
  };

  // Shows the current page in the page area and hides the one shown before (every other page is hidden from
  // the moment it is added), keeps the focus out of hidden pages, and reports a new current page.
  void FollowSelection();
  void LayOutPages();
  // Gives page the page area's geometry.
  void PlacePage(QWidget& page) const;
  void ChainPage(int index);
  QWidget* ChainEndBefore(int index) const;
  void LayOutPagesLater();
  QRect PageArea() const;
  // Drops the page's tab; the page itself is left alone (it may be half destroyed).
  void ForgetPage(int index);
  // Drops the page's tab and hides the page.
  void DetachPage(int index);
  void RefitTab(int index);
  void StepPage(int step);
  int PageIndexOf(const QObject* object) const;
  void OnStripPressed(const QPoint& position);

  VellumarTabStrip* strip_;       // child, under the pages
  std::vector<Page> pages_;       // page i belongs to the strip's tab at index i
  QSet<const QObject*> members_;  // the identities of pages_, to recognise a page without a search
  QPointer<QWidget> shown_page_;  // the page last reported current
  int shown_index_ = -1;          // the index last reported current
  int changing_ = 0;              // > 0 while the widget edits the strip and pages together
  int waiting_index_ = -1;        // a current index set before its page came, as forms set it
  bool layout_pending_ = false;   // a layout is queued for after the strip's next paint
};

}  // namespace vellumar
