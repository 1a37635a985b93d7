// SPDX-License-Identifier: MIT
#include "forms/windows/shortcutswindow.h"

#include <QHeaderView>
#include <QTableWidget>

#include "widgets/flatpanel.h"
#include "widgets/selectbutton.h"
#include "forms/art/formlayout.h"
#include "forms/windows/infowindow.h"
#include "forms/art/objectnames.h"

namespace {

// Wide enough for every line of the list on one line.
constexpr QRect kPanelPlace{6, 3, 588, 342};
constexpr QRect kTitlePlace{1, 5, 586, 24};
constexpr QRect kTablePlace{8, 36, 572, 298};
constexpr QRect kDonePlace{499, 353, 95, 20};
constexpr int kKeyColumnWidth = 190;

} // namespace

ShortcutsWindow::ShortcutsWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("shortcuts"));
    infowindow::dress(this, tr("Pelbix Solo - Keyboard Shortcuts"), kClientSize);
    setFixedSize(kClientSize);

    auto* panel = new FlatPanel(this, QString::fromLatin1(objectname::kKeysPanel));
    panel->setGeometry(kPanelPlace);
    panel->setColor(infowindow::kBackground);
    panel->setColorHighLight(clBlack);
    panel->setColorShadow(clBlack);

    LabelStyle title;
    title.face = QStringLiteral("Arial");
    title.pixels = 19;
    title.bold = true;
    title.underline = true;
    title.color = toQColor(infowindow::kKhaki, palette());
    title.alignment = Qt::AlignCenter;
    placeLabel(panel, QStringLiteral("label_keystitle"), kTitlePlace, tr("KEYBOARD SHORTCUTS"), title);

    m_keyTable = new QTableWidget(0, 2, panel);
    m_keyTable->setObjectName(QStringLiteral("table_keys"));
    m_keyTable->setGeometry(kTablePlace);
    m_keyTable->setHorizontalHeaderLabels({tr("Key"), tr("Action")});
    m_keyTable->verticalHeader()->hide();
    m_keyTable->horizontalHeader()->setStretchLastSection(true);
    m_keyTable->setColumnWidth(0, kKeyColumnWidth);
    m_keyTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_keyTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_keyTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_keyTable->setWordWrap(false);
    // Tab leaves the list for the Done button; the arrows move in it.
    m_keyTable->setTabKeyNavigation(false);
    m_keyTable->setFont(pixelFont(QStringLiteral("Arial"), 13));
    m_keyTable->setAccessibleName(tr("Keyboard shortcuts"));
    QPalette pal = m_keyTable->palette();
    pal.setColor(QPalette::Base, toQColor(infowindow::kKhaki, pal));
    pal.setColor(QPalette::Text, Qt::black);
    m_keyTable->setPalette(pal);

    SelectButton* done = infowindow::placeSelButton(this, QStringLiteral("button_done"), kDonePlace, 10,
                                                  tr("Done"), infowindow::kBackground, Qt::AlignHCenter);
    connect(done, &SelectButton::clicked, this, &ShortcutsWindow::onDone);
}

void ShortcutsWindow::setKeys(const std::vector<KeyHelp>& keys)
{
    m_keyTable->setRowCount(static_cast<int>(keys.size()));
    for (int row = 0; row < m_keyTable->rowCount(); ++row) {
        const KeyHelp& k = keys[static_cast<std::size_t>(row)];
        m_keyTable->setItem(row, 0, new QTableWidgetItem(k.keys));
        m_keyTable->setItem(row, 1, new QTableWidgetItem(k.action));
    }
    m_keyTable->resizeRowsToContents();
}

void ShortcutsWindow::showCentredOn(const QWidget* mainWindow) { infowindow::showCentredOn(this, mainWindow, m_placed); }

void ShortcutsWindow::onDone() { close(); }
