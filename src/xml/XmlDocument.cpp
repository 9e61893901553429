// Placeholder: the XML document engine lands here.
