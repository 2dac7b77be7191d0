// The result exports of `kestra demo`: for every load case and combination
// of the current project the five result pages (node displacements, node
// forces, support reactions, member end displacements, member end forces)
// write their Word and Excel exports, exactly as from the output sheet
// (combination c is record N + c of the result files, read as the active
// load case N + c). The pages write fixed file names into the project
// folder, so each set is moved into the sub-folder "case<k>/" or
// "combination<c>/" of the project folder. The pages run over the model view
// with the project's model loaded, as in the window: the reactions need the
// supports, and a page without its model refuses to export.
#pragma once
#include <ostream>
#include <string>

class CGeometry;

class DemoExports {
public:
    // Needs a QApplication (the pages are widgets; the offscreen platform
    // will do) and `model` holding the project's model. Lists every file
    // written on `log`. False with `error` set when a page cannot read its
    // result or export, or a file cannot be moved.
    static bool Write(CGeometry& model, const std::string& projectFolder, int loadCases,
                      int combinations, std::ostream& log, std::string& error);
};
