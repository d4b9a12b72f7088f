#pragma once

// What the parts of the main window know of each other and of the widgets they hold.
struct AppContext;
class EditArea;
class FilterArea;
class QuoteCounts;
class QuoteList;
class RecordSet;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
