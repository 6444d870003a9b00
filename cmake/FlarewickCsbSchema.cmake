# Compiles the Cocos Studio scene schema with flatc into a header of the engine layer.
find_program(FLATC flatc REQUIRED)
set(fw_csb_schema ${CMAKE_SOURCE_DIR}/engine/editor-support/cocostudio/CSParseBinary.fbs)
set(fw_csb_include ${CMAKE_BINARY_DIR}/generated/engine)
set(fw_csb_header ${fw_csb_include}/editor-support/cocostudio/CSParseBinary_generated.h)
add_custom_command(OUTPUT ${fw_csb_header}
  COMMAND ${FLATC} --cpp --no-warnings -o ${fw_csb_include}/editor-support/cocostudio ${fw_csb_schema}
  DEPENDS ${fw_csb_schema}
  COMMENT "flatc: CSParseBinary.fbs" VERBATIM)
add_custom_target(fw_csb_schema DEPENDS ${fw_csb_header})
add_dependencies(fw_engine fw_csb_schema)
target_include_directories(fw_engine PUBLIC ${fw_csb_include})
