#pragma once

#include <QDialog>

// The user's guide, in the user's language, built into the program: it
// needs no network and no installed documentation.
class Handbook : public QDialog
{
    Q_OBJECT

public:
    explicit Handbook(QWidget *parent);

    // The guide's source in the resources for the language of the
    // catalogs installed, English where there is none of its own.
    static QString source();
};
