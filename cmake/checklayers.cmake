cmake_minimum_required(VERSION 3.25)

# Fails when a file of src/ includes a header of a layer above its own.
# Layers, lowest first: common, ui, run, exercises, app; the catalogue's
# plain data (exercises/catalogue.*) sits below the exercises so that the
# class overview (app/overview) can name exercises without their forms. The
# worksheets (app/worksheets) stand beside the app: only the overview
# program links them, so the pupils' program carries none of their code.
#   cmake -DSRC=<path to src> [-DSTAMP=<file to touch>] -P checklayers.cmake

function(tk_layer_of path out)
  if(path MATCHES "^main\\.cpp$")
    set(layer main)
  elseif(path MATCHES "^overviewmain\\.cpp$")
    set(layer overviewmain)
  elseif(path MATCHES "^app/overview/")
    set(layer overview)
  elseif(path MATCHES "^app/worksheets/")
    set(layer worksheets)
  elseif(path MATCHES "^app/")
    set(layer app)
  elseif(path MATCHES "^exercises/catalogue\\.(h|cpp)$")
    set(layer catalogue)
  elseif(path MATCHES "^exercises/")
    set(layer exercises)
  elseif(path MATCHES "^(common|ui|run)/")
    string(REGEX REPLACE "/.*" "" layer "${path}")
  else()
    set(layer unknown)
  endif()
  set(${out} ${layer} PARENT_SCOPE)
endfunction()

set(tk_sees_common common)
set(tk_sees_ui common ui)
set(tk_sees_run common run)
set(tk_sees_catalogue catalogue)
set(tk_sees_exercises common ui run catalogue exercises)
set(tk_sees_app common ui run catalogue exercises app)
set(tk_sees_overview common ui run catalogue overview)
set(tk_sees_worksheets common ui run catalogue exercises worksheets)
set(tk_sees_main common ui run catalogue exercises app)
set(tk_sees_overviewmain common ui run catalogue overview worksheets)

file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(errors "")
foreach(file ${files})
  tk_layer_of(${file} layer)
  get_filename_component(dir ${file} DIRECTORY)
  file(STRINGS ${SRC}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${lines})
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "/" AND dir AND EXISTS ${SRC}/${dir}/${header})
      set(header ${dir}/${header})
    elseif(NOT EXISTS ${SRC}/${header})
      continue() # a generated file (moc) or a system header
    endif()
    tk_layer_of(${header} target)
    if(NOT target IN_LIST tk_sees_${layer})
      string(APPEND errors "  src/${file} (${layer}) includes ${header} (${target})\n")
    endif()
  endforeach()
endforeach()

if(errors)
  message(FATAL_ERROR "An include runs up the layers (common <- ui <- run <- exercises <- app; "
                      "the overview sees common, ui, run and the catalogue):\n${errors}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
