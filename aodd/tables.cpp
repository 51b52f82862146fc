// Placeholder: the performance tables come with the AODD performance model.
