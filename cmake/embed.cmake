# mochi_embed(TARGET SYMBOL FILE): compiles FILE's bytes into TARGET as
#   extern const unsigned char SYMBOL[]; extern const std::size_t SYMBOL_size;
# The .cpp is generated at build time and regenerated when FILE changes.
function(mochi_embed target symbol file)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${out} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
