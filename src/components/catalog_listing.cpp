#include "components/catalog_listing.h"

#include "components/catalog.h"
#include "components/file_server.h"
#include "components/help_files.h"

namespace components::catalog_listing {

namespace {

void appendField(std::string& out, std::string_view value) {
  for (char c : value) {
    out.push_back(c == '\t' || c == '\n' || c == '\r' ? ' ' : c);
  }
}

std::string_view installedByText(InstalledBy installedBy) {
  switch (installedBy) {
    case InstalledBy::RunsFile: return "runs file";
    case InstalledBy::Recipe: return "recipe";
    case InstalledBy::DownloadOnly: return "download only";
  }
  return "runs file";
}

void appendLine(std::string& out, const CatalogEntry& entry) {
  // The address the row really uses, with the base taken off again.
  const ComponentRow row = catalog::makeRow(entry, {});
  const std::string serverPath = entry.fileName.empty() ? std::string() : file_server::serverPathOf(row.downloadUrl());
  appendField(out, entry.group);
  out.push_back('\t');
  appendField(out, entry.name);
  out.push_back('\t');
  appendField(out, serverPath);
  out.push_back('\t');
  appendField(out, entry.fileName);
  out.push_back('\t');
  appendField(out, entry.installArguments);
  out.push_back('\t');
  appendField(out, entry.downloadSubfolder);
  out.push_back('\t');
  out.push_back(entry.isMsiPackage ? '1' : '0');
  out.push_back('\t');
  out.append(installedByText(entry.installedBy));
  out.push_back('\n');
}

}  // namespace

std::string listing() {
  std::string out(kHeader);
  for (const catalog::CatalogGroup& group : catalog::groups()) {
    for (const CatalogEntry& entry : group.entries) {
      appendLine(out, entry);
    }
  }
  for (const CatalogEntry& entry : help_files::helpFileEntries()) {
    appendLine(out, entry);
  }
  return out;
}

}  // namespace components::catalog_listing
