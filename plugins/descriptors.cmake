# The method descriptors: display-free data, one static library per plug-in folder, so that the core
# tests use all thirteen without loading a plug-in. Included from plugin/frame/CMakeLists.txt, which
# is part of every build (also VAMO_CORE_ONLY); the plug-in libraries themselves are made by
# plugins/CMakeLists.txt.

# The plug-in names, also for plugins/CMakeLists.txt and the tests (hence global).
set(VAMO_PLUGIN_NAMES
  cmodulus firedflex wallflex conccomp concflex firedcomp pasteflex
  mortcomp pastecomp wallcomp unconfcomp gnrl aerblock
  CACHE INTERNAL "The test-method plug-ins")

# The builders of the method families whose members share one table.
vamo_library(vamo_method_families SOURCES ${CMAKE_CURRENT_LIST_DIR}/method_families.cpp)
target_link_libraries(vamo_method_families PUBLIC vamo_plugin_core)
target_compile_options(vamo_method_families PRIVATE -fvisibility=hidden -fvisibility-inlines-hidden)

foreach(name IN LISTS VAMO_PLUGIN_NAMES)
  vamo_library(vamo_descriptor_${name} SOURCES ${CMAKE_CURRENT_LIST_DIR}/${name}/${name}_descriptor.cpp)
  target_link_libraries(vamo_descriptor_${name} PUBLIC vamo_plugin_core vamo_method_families)
  target_compile_options(vamo_descriptor_${name} PRIVATE -fvisibility=hidden -fvisibility-inlines-hidden)
endforeach()

vamo_library(vamo_all_descriptors SOURCES ${CMAKE_CURRENT_LIST_DIR}/all_descriptors.cpp)
foreach(name IN LISTS VAMO_PLUGIN_NAMES)
  target_link_libraries(vamo_all_descriptors PUBLIC vamo_descriptor_${name})
endforeach()
