#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One line of a help file's contents: its title, the page it opens, and the lines below it.
struct SitemapEntry {
    QString name;
    QString local;
    std::vector<SitemapEntry> children;
};

// Reads the contents file of a compiled help file (nested lists of sitemap objects).
class Sitemap {
public:
    static std::vector<SitemapEntry> Parse(const QByteArray& contents);
};
